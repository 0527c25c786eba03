#pragma once

#include "register/packuse.h"

#include <QVector>
#include <QWidget>

#include <memory>

class RegisterReader;

namespace Ui {
class ReferenceUsesView;
}

// The uses of one patient's reference, found by its keyed hash, in the
// Packs view: each use's pack, time, operator and whether its reference is
// erased, never the reference itself. On request a supervisor erases the
// reference from the chosen use (EraseReferenceDialog).
class ReferenceUsesView : public QWidget
{
    Q_OBJECT

public:
    ReferenceUsesView(RegisterReader *reader, QWidget *parent = nullptr);
    ~ReferenceUsesView() override;

signals:
    // The uses listed, or why not (uses is -1 then).
    void usesShown(int uses, const QString &error);

private:
    void find();
    void showUses(const QVector<PackUse> &uses, const QString &error);
    void erase();

    std::unique_ptr<Ui::ReferenceUsesView> ui;
    RegisterReader *reader;
    QVector<PackUse> shown;
};
