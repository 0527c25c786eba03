#pragma once

#include "register/packstore.h"

#include <QDialog>
#include <QVector>

#include <memory>

class RegisterReader;
class SignerChooser;

namespace Ui {
class PackTypesDialog;
}

// The clinic's pack types with their shelf lives. A supervisor, chosen and
// signing with the PIN, adds a type or changes a shelf life; each change is
// an audit event, as the records tool's. Reads and writes go through the
// register reader, off the GUI thread.
class PackTypesDialog : public QDialog
{
    Q_OBJECT

public:
    PackTypesDialog(RegisterReader *reader, QWidget *parent = nullptr);
    ~PackTypesDialog() override;

signals:
    // The types as read after the last change (or at opening), and its
    // error (empty on success).
    void typesShown(const QString &error);

private:
    // Saves the type of the form first when save is set.
    void run(bool save);
    void showTypes(const QVector<PackStore::PackType> &types, const QString &error);
    void choose();
    void fitColumns();

    std::unique_ptr<Ui::PackTypesDialog> ui;
    RegisterReader *reader;
    SignerChooser *signer;
    QVector<PackStore::PackType> shown;
};
