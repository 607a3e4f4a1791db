#pragma once

#include <QByteArray>
#include <QString>

// File names on Linux are bytes; the program works with QString. Valid UTF-8 is decoded as usual; every
// byte that is not part of valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF, and encoding turns such a
// surrogate back into its byte. So every name the file system holds is copied, compared and deleted
// exactly, even one that is not valid UTF-8.
namespace tessel::platform {

QString DecodeFileName(const char *bytes, qsizetype length);
inline QString DecodeFileName(const QByteArray &bytes)
{
    return DecodeFileName(bytes.constData(), bytes.size());
}

QByteArray EncodeFileName(const QString &name);

} // namespace tessel::platform
