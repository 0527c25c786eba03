#include "reports/reportmetadata.h"

#include "app/language.h"

#include <QStringList>

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QByteArray ReportMetadata::xmp(const QString &creator, const QString &producer, const QDateTime &created) const
{
    QStringList keywords;
    QStringList described;
    const auto add = [&](const QString &label, const QString &value) {
        if (value.isEmpty())
            return;
        keywords << QStringLiteral("<rdf:li>%1: %2</rdf:li>").arg(label, escaped(value));
        described << QStringLiteral("%1: %2").arg(label, value);
    };
    add(tr("Clinic"), clinic);
    add(tr("Controller"), controller);
    add(tr("Cycle"), cycle);
    // English reports have always gone without; a reader takes them as undeclared.
    const QString language = Language::current() == Language::English
        ? QString()
        : QStringLiteral("<dc:language><rdf:Bag><rdf:li>%1</rdf:li></rdf:Bag></dc:language>\n")
              .arg(Language::locale().bcp47Name().section(QLatin1Char('-'), 0, 0));
    // With its UTC offset, as the document's information dictionary has it.
    const QString date = created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODate);
    const QString packet = QStringLiteral(
        "<?xpacket begin='\ufeff' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'>\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%2</rdf:li></rdf:Alt></dc:description>\n"
        "<dc:subject><rdf:Bag>%3</rdf:Bag></dc:subject>\n"
        "%7"
        "</rdf:Description>\n"
        "<rdf:Description rdf:about='' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
        "<pdf:Producer>%4</pdf:Producer>\n"
        "</rdf:Description>\n"
        "<rdf:Description rdf:about='' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
        "<xmp:CreatorTool>%5</xmp:CreatorTool>\n"
        "<xmp:CreateDate>%6</xmp:CreateDate>\n"
        "<xmp:ModifyDate>%6</xmp:ModifyDate>\n"
        "</rdf:Description>\n"
        "<rdf:Description rdf:about='' xmlns:pdfaid='http://www.aiim.org/pdfa/ns/id/'>\n"
        "<pdfaid:part>1</pdfaid:part>\n"
        "<pdfaid:conformance>B</pdfaid:conformance>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end='w'?>")
        .arg(escaped(title), escaped(described.join(QStringLiteral("; "))), keywords.join(QString()),
             escaped(producer), escaped(creator), date, language);
    return packet.toUtf8();
}
