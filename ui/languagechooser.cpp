#include "ui/languagechooser.h"

#include "app/language.h"
#include "app/stationsettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

LanguageChooser::LanguageChooser(QWidget *parent)
    : QWidget(parent), comboBox(new QComboBox(this))
{
    comboBox->setObjectName(QStringLiteral("comboBoxLanguage"));
    // Each language under its own name, so that anyone finds theirs.
    for (const Language::Choice choice : {Language::English, Language::German, Language::French})
        comboBox->addItem(Language::nativeName(choice), choice);
    comboBox->setCurrentIndex(comboBox->findData(Language::fromSetting(StationSettings().language())));

    auto *label = new QLabel(tr("&Language:"), this);
    label->setObjectName(QStringLiteral("labelLanguage"));
    label->setBuddy(comboBox);
    auto *note = new QLabel(tr("Takes effect at the next start."), this);
    note->setObjectName(QStringLiteral("labelLanguageNote"));
    // Wraps in longer languages; a single line stays right below the chooser.
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(label, comboBox);
    layout->addRow(note);

    connect(comboBox, QOverload<int>::of(&QComboBox::activated), this, [this] {
        const auto choice = static_cast<Language::Choice>(comboBox->currentData().toInt());
        StationSettings().setLanguage(Language::settingValue(choice));
    });
}
