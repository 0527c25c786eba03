#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// What an archived report says about itself in its PDF's XMP metadata,
// besides its pages: an archive system or an inspector finds a report by
// these without opening it.
struct ReportMetadata {
    Q_DECLARE_TR_FUNCTIONS(ReportMetadata)

public:
    QString title;
    QString clinic;
    QString controller; // empty for a report of many controllers
    QString cycle;      // the cycle number, or the period

    // The XMP packet of a PDF/A-1b document written by `creator` with this
    // producer at that moment: the PDF/A identification, the title, the
    // subject's keywords and a description, and in German or French the
    // document's language, in standard properties only
    // (PDF/A-1 admits others only with a schema of their own).
    QByteArray xmp(const QString &creator, const QString &producer, const QDateTime &created) const;
};
