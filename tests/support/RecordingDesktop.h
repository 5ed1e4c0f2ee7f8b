// A desktop that records message boxes, beeps and opened web pages instead of showing them.
#pragma once

#include <optional>
#include <vector>

#include <QString>
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
    std::optional<QString> openFile(QWidget*) override { return std::nullopt; }
    void msgBox(QWidget*, const QString& text) override { messages.push_back(text); }
    void beep() override { ++beeps; }
    void showUrl(const QUrl& url) override { urls.push_back(url); }

    std::vector<QString> messages;
    int beeps = 0;
    std::vector<QUrl> urls;
};

} // namespace testsupport
