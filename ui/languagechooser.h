#pragma once

#include <QWidget>

class QComboBox;

// The About tab's choice of the station's language. It writes the
// "Language" setting at once; the station reads that setting once, at its
// start, so the choice takes effect at the next start.
class LanguageChooser : public QWidget
{
    Q_OBJECT

public:
    explicit LanguageChooser(QWidget *parent = nullptr);

private:
    QComboBox *comboBox;
};
