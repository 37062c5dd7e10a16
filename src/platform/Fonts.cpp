// Fonts: a Qt font per handle plus a table of byte advances. Kerning is off,
// shaping is skipped and hinting is full, so every advance is a whole pixel
// and the sum of a string's advances is exactly the width that is drawn;
// measuring is a table lookup per byte (the hot path of label widths).
#include "platform/internal/GdiObjects.h"

#include "platform/TestHooks.h"
#include "platform/internal/Cp1252.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>

namespace {

constexpr int kDefaultPixelSize = 12;
constexpr const char* kUiFace = "DejaVu Sans";
constexpr const char* kMonoFace = "DejaVu Sans Mono";
constexpr const char* kSerifFace = "DejaVu Serif";
// The test font's glyphs: a monospaced face small enough to fit its cells.
constexpr int kTestGlyphPixelSize = 10;

HFONT g_defaultGuiFont = nullptr;

QString QtFace(const char* face)
{
    static const std::map<std::string, const char*> classic = {
        {"", kUiFace},
        {"ms shell dlg", kUiFace},
        {"ms shell dlg 2", kUiFace},
        {"ms sans serif", kUiFace},
        {"microsoft sans serif", kUiFace},
        {"tahoma", kUiFace},
        {"segoe ui", kUiFace},
        {"arial", kUiFace},
        {"helvetica", kUiFace},
        {"system", kUiFace},
        {"courier", kMonoFace},
        {"courier new", kMonoFace},
        {"fixedsys", kMonoFace},
        {"lucida console", kMonoFace},
        {"consolas", kMonoFace},
        {"times new roman", kSerifFace},
        {"times", kSerifFace},
    };
    std::string key(face);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto it = classic.find(key);
    return QString::fromLatin1(it == classic.end() ? face : it->second);
}

void MakeCrisp(QFont& font)
{
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferNoShaping | QFont::NoSubpixelAntialias));
}

int CellHeight(const QFont& font)
{
    const QFontMetrics fm(font);
    return fm.ascent() + fm.descent();
}

using MetricsKey = std::tuple<QString, int, int, bool>;

std::shared_ptr<const FontMetricsData> MeasureFont(const QFont& font)
{
    // Never destroyed: the metrics hold Qt font engines, which must not be
    // released after the application has taken Qt's font system down.
    static auto& cache = *new std::map<MetricsKey, std::shared_ptr<const FontMetricsData>>;
    const MetricsKey key{font.family(), font.pixelSize(), font.weight(), font.italic()};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;

    auto data = std::make_shared<FontMetricsData>();
    const QFontMetrics fm(font);
    for (int b = 0; b < 256; ++b)
        data->advance[b] = fm.horizontalAdvance(QString(CharFromByte(static_cast<unsigned char>(b))));
    data->ascent = fm.ascent();
    data->descent = fm.descent();
    data->internalLeading = std::max(0, data->ascent + data->descent - font.pixelSize());
    data->externalLeading = std::max(0, fm.leading());
    data->aveCharWidth = data->advance[static_cast<unsigned char>('x')];
    data->maxCharWidth = *std::max_element(std::begin(data->advance), std::end(data->advance));
    int widestGlyph = 0;
    for (int b = 0; b < 256; ++b) {
        if (b != '\t')
            widestGlyph = std::max(widestGlyph, data->advance[b]);
    }
    data->inkMargin = 2 * widestGlyph;
    data->face = QRawFont::fromFont(font);
    for (int b = 0; b < 256; ++b) {
        const QChar ch = CharFromByte(static_cast<unsigned char>(b));
        if (ch.isPrint())
            data->glyph[b] = data->face.glyphIndexesForString(QString(ch)).value(0);
    }
    cache.emplace(key, data);
    return data;
}

std::shared_ptr<const FontMetricsData> TestFontMetrics()
{
    static std::shared_ptr<const FontMetricsData> metrics = [] {
        auto data = std::make_shared<FontMetricsData>();
        std::fill(std::begin(data->advance), std::end(data->advance), kTestFontCharWidth);
        data->ascent = 10;
        data->descent = 3;
        data->internalLeading = 0;
        data->externalLeading = 0;
        data->aveCharWidth = kTestFontCharWidth;
        data->maxCharWidth = kTestFontCharWidth;
        data->inkMargin = 2 * kTestFontCharWidth;
        return data;
    }();
    return metrics;
}

} // namespace

HFONT CreateFontIndirectA(const LOGFONTA* lf)
{
    if (!lf)
        return nullptr;
    GdiObjectRecord* record = NewGdiObject(GdiKind::Font);
    record->logFont = *lf;
    record->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';

    if (std::strcmp(record->logFont.lfFaceName, kTestFontFace) == 0) {
        record->testFont = true;
        record->font = QFont(QString::fromLatin1(kMonoFace));
        record->font.setPixelSize(kTestGlyphPixelSize);
        record->font.setUnderline(lf->lfUnderline != 0);
        record->font.setStrikeOut(lf->lfStrikeOut != 0);
        MakeCrisp(record->font);
        record->metrics = TestFontMetrics();
        return record;
    }

    QFont font(QtFace(record->logFont.lfFaceName));
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp<int>(lf->lfWeight ? lf->lfWeight : FW_NORMAL, 1, 1000)));
    font.setItalic(lf->lfItalic != 0);
    font.setUnderline(lf->lfUnderline != 0);
    font.setStrikeOut(lf->lfStrikeOut != 0);
    MakeCrisp(font);
    if (lf->lfHeight < 0) {
        font.setPixelSize(-lf->lfHeight);
    } else if (lf->lfHeight > 0) {
        // A positive height is the cell height: ascent plus descent.
        font.setPixelSize(lf->lfHeight);
        const int cell = CellHeight(font);
        if (cell > 0)
            font.setPixelSize(std::max(1, (lf->lfHeight * lf->lfHeight + cell / 2) / cell));
    } else {
        font.setPixelSize(kDefaultPixelSize);
    }
    record->font = font;
    record->metrics = MeasureFont(font);
    return record;
}

HFONT CreateTestFont()
{
    LOGFONTA lf;
    lf.lfHeight = -kTestFontHeight;
    std::strncpy(lf.lfFaceName, kTestFontFace, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

HFONT DefaultGuiFont()
{
    if (!g_defaultGuiFont) {
        LOGFONTA lf;
        lf.lfHeight = -kDefaultPixelSize;
        std::strncpy(lf.lfFaceName, kUiFace, LF_FACESIZE - 1);
        g_defaultGuiFont = CreateFontIndirectA(&lf);
        g_defaultGuiFont->stock = true;
    }
    return g_defaultGuiFont;
}

QFont DefaultQFont()
{
    return DefaultGuiFont()->font;
}

const FontMetricsData& MetricsOf(const GdiObjectRecord* font)
{
    return *font->metrics;
}

namespace {

int g_nTextWidthLimit = INT_MAX;

} // namespace

int TextWidth(const GdiObjectRecord* font, const char* text, int count)
{
    // A text of a few hundred million bytes is wider than an int: widths
    // saturate.
    const int* advance = font->metrics->advance;
    std::int64_t width = 0;
    for (int i = 0; i < count; ++i)
        width += advance[static_cast<unsigned char>(text[i])];
    return static_cast<int>(std::min<std::int64_t>(width, g_nTextWidthLimit));
}

void SetTextWidthLimitForTest(int limit)
{
    g_nTextWidthLimit = limit > 0 ? limit : INT_MAX;
}
