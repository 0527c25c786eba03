#include "reports/verdicttext.h"

#include "app/language.h"
#include "register/storedtext.h"
#include "reports/reportformat.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVector>

namespace {

constexpr const char *results[] = {
    QT_TRANSLATE_NOOP("VerdictText", "PASS"),
    QT_TRANSLATE_NOOP("VerdictText", "FAIL"),
    QT_TRANSLATE_NOOP("VerdictText", "NOT EVALUATED"),
};

// A clause and what its arguments are, in order: T a temperature, B a band,
// D a duration, E an elapsed time, N a count of minutes, S a run's status.
struct Clause {
    const char *text;
    const char *arguments;
};

constexpr Clause clauses[] = {
    {VerdictText::adopted, ""},
    {VerdictText::stepsUnknown, ""},
    {VerdictText::noHoldingStep, ""},
    {VerdictText::noHoldingTime, "T"},
    {VerdictText::held, "BDEEN"},
    {VerdictText::noSamples, ""},
    {VerdictText::neverReached, "TTE"},
    {VerdictText::tooShort, "BDN"},
    {VerdictText::lowest, "TE"},
    {VerdictText::highest, "TE"},
    {VerdictText::gap, "DE"},
    {VerdictText::ended, "S"},
    {VerdictText::noVerdict, ""},
};

const QString numberPattern = QStringLiteral("-?\\d+(?:\\.\\d+)?");

QString argumentPattern(char kind)
{
    switch (kind) {
    case 'T':
        return numberPattern + QStringLiteral(" \u00b0C");
    case 'B':
        return numberPattern + QStringLiteral(" to ") + numberPattern + QStringLiteral(" \u00b0C");
    case 'D':
        return QStringLiteral("\\d+(?: h \\d+ min \\d+ s| min \\d+ s| s)");
    case 'E':
        return QStringLiteral("\\d+:\\d+:\\d+");
    case 'N':
        return QStringLiteral("\\d+");
    default:
        return QStringLiteral(".*");
    }
}

// The clause's English text with each %n standing for its argument.
QRegularExpression clausePattern(const Clause &clause)
{
    const QStringList pieces = QString::fromUtf8(clause.text).split(QRegularExpression(QStringLiteral("%\\d")));
    QString pattern = QRegularExpression::escape(pieces.first());
    for (int i = 1; i < pieces.size(); ++i)
        pattern += QLatin1Char('(') + argumentPattern(clause.arguments[i - 1]) + QLatin1Char(')')
            + QRegularExpression::escape(pieces[i]);
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

// A stored number ("121.0") in the language's, with as many decimals.
QString number(const QString &stored)
{
    const int point = stored.indexOf(QLatin1Char('.'));
    return ReportFormat::number(QLocale::c().toDouble(stored), point < 0 ? 0 : stored.size() - point - 1,
                                Language::locale());
}

QString shownArgument(char kind, const QString &stored)
{
    static const QRegularExpression numbers(QStringLiteral("^(%1) to (%1) \u00b0C$|^(%1) \u00b0C$").arg(numberPattern));
    const QRegularExpressionMatch m = numbers.match(stored);
    switch (kind) {
    case 'T':
        return number(m.captured(3)) + QStringLiteral(" \u00b0C");
    case 'B':
        return VerdictText::tr(VerdictText::band).arg(number(m.captured(1)), number(m.captured(2)) + QStringLiteral(" \u00b0C"));
    case 'S':
        return StoredText::shown(stored);
    default:
        return stored;
    }
}

// The text with %1, %2, ... replaced at once, so that an argument holding
// "%1" stays as it is.
QString filled(const QString &text, const QStringList &arguments)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() && text[i] == QLatin1Char('%') ? text[i + 1].digitValue() : -1;
        if (n >= 1 && n <= arguments.size()) {
            out += arguments[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

QString VerdictText::result(CycleVerdict::Result result)
{
    return VerdictText::result(CycleVerdict::resultText(result));
}

QString VerdictText::result(const QString &stored)
{
    for (const char *known : results)
        if (stored == QLatin1String(known))
            return tr(known);
    return stored;
}

QString VerdictText::reason(const QString &stored)
{
    if (Language::current() == Language::English)
        return stored;
    static const QVector<QRegularExpression> patterns = [] {
        QVector<QRegularExpression> all;
        for (const Clause &clause : clauses)
            all << clausePattern(clause);
        return all;
    }();
    QStringList shown;
    for (const QString &part : stored.split(QStringLiteral("; "))) {
        int i = 0;
        QRegularExpressionMatch m;
        while (i < patterns.size() && !(m = patterns[i].match(part)).hasMatch())
            ++i;
        if (i == patterns.size())
            return stored;
        QStringList arguments;
        for (int a = 1; a <= m.lastCapturedIndex(); ++a)
            arguments << shownArgument(clauses[i].arguments[a - 1], m.captured(a));
        shown << filled(tr(clauses[i].text), arguments);
    }
    return shown.join(QStringLiteral("; "));
}
