#include "ui/ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString FromAnsi(const std::string& text) {
    // Windows-1252, not Latin-1: 0x80..0x9F hold letters such as Œ (0x8C) and œ (0x9C).
    static QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToAnsi(const QString& text) {
    static QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    return bytes.toStdString();
}
