// Paths between Qt's names and the core's, and inside program texts.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>

#include "ui/strings.h"

// The file name as the core opens it.
inline std::string RomPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

inline QString BaseName(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

// The file name alone, as the core's words name it (UTF-8).
inline std::string WordsFileName(const std::string& path) {
    return BaseName(path).toStdString();
}

// A path or name inside a program text (Windows-1252; Latin-1 is close enough).
inline std::string WithName(const StringPair& pair, const char* mark, const QString& name) {
    std::string text = Text(pair);
    text.replace(text.find(mark), 2, name.toLatin1().toStdString());
    return text;
}

// What Save As proposes for the ROM at path: "name-copy.gba" beside it, so that
// a plain Return never aims the copy at the ROM itself.
inline QString CopyName(const std::string& path) {
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(path)));
    QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        name += "-copy.gba";
    else
        name.insert(dot, "-copy");
    return file.dir().filePath(name);
}
