#include "reports/packlabel.h"

#include "app/language.h"
#include "reports/reportformat.h"
#include "reports/verdicttext.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <zint.h>

#include <memory>

namespace PackLabel {

namespace {

// A Code 128 reader needs ten modules of blank on either side.
constexpr int quietModules = 10;

// The font made smaller, down to two thirds, until the text fits the width:
// the words of some languages are longer than a small label's line.
QFont fitted(QFont font, const QString &text, double width, QPaintDevice *device)
{
    const int full = font.pixelSize();
    for (int size = full; size > full * 2 / 3 && QFontMetricsF(font, device).horizontalAdvance(text) > width; --size)
        font.setPixelSize(size - 1);
    return font;
}

struct SymbolFree {
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

std::optional<Bars> code128(const QString &text, QString *error)
{
    const std::unique_ptr<zint_symbol, SymbolFree> symbol(ZBarcode_Create());
    if (!symbol) {
        *error = QCoreApplication::translate("PackLabel", "the barcode library is out of memory");
        return std::nullopt;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = DATA_MODE;
    symbol->show_hrt = 0;
    const QByteArray data = text.toLatin1();
    if (text.isEmpty() || data != text.toUtf8()
        || ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()), data.size())
            >= ZINT_ERROR
        || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector) {
        *error = QString::fromLatin1(symbol->errtxt);
        if (error->isEmpty())
            *error = QCoreApplication::translate("PackLabel", "\"%1\" cannot be encoded").arg(text);
        return std::nullopt;
    }
    // The vector's units are the library's; its bars span the symbol's
    // width in modules, whatever the scale.
    double left = 1e9;
    double right = -1e9;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next) {
        left = std::min(left, double(r->x));
        right = std::max(right, double(r->x + r->width));
    }
    Bars bars;
    bars.modules = symbol->width;
    if (right <= left || bars.modules <= 0) {
        *error = QCoreApplication::translate("PackLabel", "\"%1\" gave no bars").arg(text);
        return std::nullopt;
    }
    const double perModule = (right - left) / bars.modules;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        bars.bars.append({(r->x - left) / perModule, r->width / perModule});
    return bars;
}

bool paint(QPainter &painter, const QRectF &box, double dotsPerMm, const Pack &pack)
{
    QString error;
    const std::optional<Bars> bars = code128(pack.code, &error);
    if (!bars)
        return false;
    // Text scaled to the label's height: 21.2 mm labels still hold five
    // lines and bars tall enough for a hand scanner.
    const double heightMm = box.height() / dotsPerMm;
    const double margin = std::max(1.0, heightMm * 0.05) * dotsPerMm;
    const QRectF inner = box.adjusted(margin, margin, -margin, -margin);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, int(heightMm * 0.085 * dotsPerMm)));
    QFont bold = font;
    bold.setBold(true);
    const double line = QFontMetricsF(font, painter.device()).height();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(bold);
    QRectF row(inner.left(), inner.top(), inner.width(), line);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, pack.code);
    // The verdict beside the code, smaller when its word is long.
    const QString verdict = VerdictText::result(pack.verdict);
    const double verdictWidth =
        row.width() - QFontMetricsF(bold, painter.device()).horizontalAdvance(pack.code) - 0.8 * dotsPerMm;
    const QFont verdictFont = fitted(bold, verdict, verdictWidth, painter.device());
    painter.setFont(verdictFont);
    painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter,
                     QFontMetricsF(verdictFont, painter.device()).elidedText(verdict, Qt::ElideRight, verdictWidth));

    const QLocale locale = Language::locale();
    const QStringList lines{
        QStringLiteral("%1 · %2").arg(pack.type, pack.operatorInitials),
        QCoreApplication::translate("PackLabel", "Ster. %1  Exp. %2")
            .arg(ReportFormat::day(pack.sterilisedAt.date(), locale), ReportFormat::day(pack.expiresOn, locale)),
        QStringLiteral("%1 · %2").arg(pack.controllerSerial, pack.programName),
    };
    const double barsTop = row.bottom() + 0.3 * dotsPerMm;
    const double barsHeight = inner.bottom() - lines.size() * line - 0.3 * dotsPerMm - barsTop;
    const double module = inner.width() / (bars->modules + 2 * quietModules);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const auto &[x, width] : bars->bars)
        painter.drawRect(QRectF(inner.left() + (quietModules + x) * module, barsTop, width * module, barsHeight));

    painter.setPen(Qt::black);
    row.moveTop(barsTop + barsHeight + 0.3 * dotsPerMm);
    for (const QString &text : lines) {
        const QFont lineFont = fitted(font, text, row.width(), painter.device());
        painter.setFont(lineFont);
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(lineFont, painter.device()).elidedText(text, Qt::ElideRight, row.width()));
        row.moveTop(row.bottom());
    }
    painter.restore();
    return true;
}

} // namespace PackLabel
