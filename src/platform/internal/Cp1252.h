// Text is bytes; for display and for Qt the bytes are read as Windows-1252
// (the ASCII range unchanged). These two conversions are the only place
// where bytes become characters and back.
#pragma once

#include <QString>

#include <string>

// The character a byte stands for.
QChar CharFromByte(unsigned char byte);
QString TextFromBytes(const char* bytes, int count);
// The same into `text`, reusing its storage: no allocation once it has
// held as many characters (the hot path of text output).
void AssignTextFromBytes(QString& text, const char* bytes, int count);
inline QString TextFromBytes(const std::string& bytes)
{
    return TextFromBytes(bytes.data(), static_cast<int>(bytes.size()));
}
// Window captions and message boxes hold the program's own texts and file
// names, which the file system gives as UTF-8: they are read as UTF-8, and a
// name that is not valid UTF-8 shows replacement characters.
QString TextFromUtf8(const std::string& bytes);
// Characters without a Windows-1252 byte become '?'.
std::string BytesFromText(const QString& text);
// The byte of a character, or -1 when it has none.
int ByteFromChar(QChar ch);
