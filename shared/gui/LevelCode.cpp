// Level codes between bytes and text.
#include "shared/gui/LevelCode.h"

#include <algorithm>
#include <limits>

#include <QLineEdit>

namespace fw {

QString codeText(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<std::string> codeBytes(const QString& text)
{
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; }))
        return std::nullopt;
    return text.toLatin1().toStdString();
}

void acceptAnyLength(QLineEdit& field)
{
    field.setMaxLength(std::numeric_limits<int>::max());
}

} // namespace fw
