// A desktop that records message boxes, beeps and web pages instead of showing them, and
// cancels every file dialog.
#pragma once

#include <QStringList>
#include <QUrl>

#include "shared/gui/Desktop.h"

namespace testsupport {

class RecordingDesktop : public fw::Desktop {
public:
    RecordingDesktop() { fw::setDesktop(this); }
    ~RecordingDesktop() override { fw::setDesktop(nullptr); }
    RecordingDesktop(const RecordingDesktop&) = delete;
    RecordingDesktop& operator=(const RecordingDesktop&) = delete;

    std::optional<QString> saveFile(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> openFile(QWidget*, const QString&) override { return std::nullopt; }
    void msgBox(QWidget*, const QString& text) override { messages.append(text); }
    void beep() override { ++beeps; }
    void showUrl(const QUrl& url) override { urls.append(url); }

    QStringList messages;
    int beeps = 0;
    QList<QUrl> urls;
};

} // namespace testsupport
