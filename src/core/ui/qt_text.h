#pragma once
// Conversions between the model's byte strings and Qt's strings.

#include <QString>

#include <string>
#include <string_view>

namespace pixador {

// UTF-8 text: paths, captions, messages.
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Bytes 0..255 as the code points U+0000..U+00FF, so any byte survives the system clipboard.
inline QString Latin1ToQString(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Code points above U+00FF cannot stand for a byte; they become '?'.
inline std::string QStringToLatin1(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) out += c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
    return out;
}

}  // namespace pixador
