#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QMetaType>
#include <QString>

#include <optional>

// One entry of a cycle's release history: who decided what about the load
// and on which evidence. Entries are only ever appended; a later result
// (the biological indicator's, a day on) is a new entry.
struct Release {
    enum class ChemicalIndicator { Passed, Failed, NotUsed };
    enum class BiologicalIndicator { Pending, Negative, Positive, NotUsed };
    // Recalled: a cycle found faulty after its release (a positive
    // biological indicator a day on); every pack of it is recalled.
    enum class Decision { Released, Rejected, Quarantined, Recalled };

    QString operatorName;
    QString load; // what the load held
    QString lot;  // lot number
    ChemicalIndicator chemicalIndicator = ChemicalIndicator::NotUsed;
    BiologicalIndicator biologicalIndicator = BiologicalIndicator::NotUsed;
    // Nobody decided yet: the load stays where it cannot be used.
    Decision decision = Decision::Quarantined;
    QString comment;
    QDateTime at; // with its UTC offset
    QString osUser;
    QString station; // host name

    // Filled by the register when the entry is made.
    qint64 id = 0;
    qint64 cycleId = 0; // the cycle it decides about; set by whoever makes it
    qint64 sequence = 0; // 1 for the cycle's first release
    QString previousHash; // the cycle's release before it; empty for the first
    QString hash;

    // The text as the register, CSV and the records tool's list write it
    // ("Not used"), the same text as people read it in the station's
    // language, and the command line's keyword ("unused") of a value.
    template <typename E>
    static QString text(E value);
    template <typename E>
    static QString shown(E value);
    template <typename E>
    static QString keyword(E value);
    // Either form, in any case and with blanks around; nothing for any
    // other text.
    template <typename E>
    static std::optional<E> parse(const QString &text);
};

namespace ReleaseChoices {

template <typename E>
struct Choice {
    E value;
    const char *keyword;
    const char *text;
};

// In the order a form offers them.
inline constexpr Choice<Release::ChemicalIndicator> chemicalIndicators[] = {
    {Release::ChemicalIndicator::Passed, "passed", QT_TRANSLATE_NOOP("Release", "Passed")},
    {Release::ChemicalIndicator::Failed, "failed", QT_TRANSLATE_NOOP("Release", "Failed")},
    {Release::ChemicalIndicator::NotUsed, "unused", QT_TRANSLATE_NOOP("Release", "Not used")},
};
inline constexpr Choice<Release::BiologicalIndicator> biologicalIndicators[] = {
    {Release::BiologicalIndicator::Pending, "pending", QT_TRANSLATE_NOOP("Release", "Pending")},
    {Release::BiologicalIndicator::Negative, "negative", QT_TRANSLATE_NOOP("Release", "Negative")},
    {Release::BiologicalIndicator::Positive, "positive", QT_TRANSLATE_NOOP("Release", "Positive")},
    {Release::BiologicalIndicator::NotUsed, "unused", QT_TRANSLATE_NOOP("Release", "Not used")},
};
inline constexpr Choice<Release::Decision> decisions[] = {
    {Release::Decision::Released, "released", QT_TRANSLATE_NOOP("Release", "Released")},
    {Release::Decision::Rejected, "rejected", QT_TRANSLATE_NOOP("Release", "Rejected")},
    {Release::Decision::Quarantined, "quarantined", QT_TRANSLATE_NOOP("Release", "Quarantined")},
    {Release::Decision::Recalled, "recalled", QT_TRANSLATE_NOOP("Release", "Recalled")},
};

inline const auto &of(Release::ChemicalIndicator) { return chemicalIndicators; }
inline const auto &of(Release::BiologicalIndicator) { return biologicalIndicators; }
inline const auto &of(Release::Decision) { return decisions; }

template <typename E>
const Choice<E> &find(E value)
{
    for (const Choice<E> &choice : of(E()))
        if (choice.value == value)
            return choice;
    return of(E())[0]; // every enumerator is in its table
}

} // namespace ReleaseChoices

template <typename E>
QString Release::text(E value)
{
    return QString::fromLatin1(ReleaseChoices::find(value).text);
}

template <typename E>
QString Release::shown(E value)
{
    return QCoreApplication::translate("Release", ReleaseChoices::find(value).text);
}

template <typename E>
QString Release::keyword(E value)
{
    return QString::fromLatin1(ReleaseChoices::find(value).keyword);
}

template <typename E>
std::optional<E> Release::parse(const QString &text)
{
    const QString t = text.trimmed();
    for (const ReleaseChoices::Choice<E> &choice : ReleaseChoices::of(E()))
        if (t.compare(QLatin1String(choice.keyword), Qt::CaseInsensitive) == 0
            || t.compare(QLatin1String(choice.text), Qt::CaseInsensitive) == 0)
            return choice.value;
    return std::nullopt;
}

// For queued signals between the register's threads.
Q_DECLARE_METATYPE(Release)
