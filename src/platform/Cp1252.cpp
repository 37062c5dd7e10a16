#include "platform/internal/Cp1252.h"

namespace {

// 0x80..0x9F, the range where Windows-1252 differs from Latin-1. The five
// unassigned bytes keep their C1 code points so that every byte round-trips.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar CharFromByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QString TextFromBytes(const char* bytes, int count)
{
    QString text;
    if (bytes && count > 0)
        AssignTextFromBytes(text, bytes, count);
    return text;
}

void AssignTextFromBytes(QString& text, const char* bytes, int count)
{
    if (!bytes || count <= 0) {
        text.resize(0);
        return;
    }
    text.resize(count);
    QChar* out = text.data();
    for (int i = 0; i < count; ++i)
        out[i] = CharFromByte(static_cast<unsigned char>(bytes[i]));
}

int ByteFromChar(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u < 0x100))
        return u;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

std::string BytesFromText(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        const int b = ByteFromChar(ch);
        bytes.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

QString TextFromUtf8(const std::string& bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
