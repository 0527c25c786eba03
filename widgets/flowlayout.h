#pragma once

#include <QLayout>
#include <QList>

class QBoxLayout;

// A row of widgets that goes on in a further row where it is too narrow for
// all of them, instead of squeezing them: buttons and notes whose texts are
// longer in some languages keep their whole texts. While one row holds them
// it lays them out as a QHBoxLayout does, the extra width going to the
// items with a stretch factor, or else to the expanding ones, or else to
// those that may grow.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    // Puts a flow with the row's items, stretch factors, spacing and margins
    // in the row's place in its parent box layout, and deletes the row.
    static FlowLayout *replace(QBoxLayout *row);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the items out in rows within the rect (only computes when not
    // placing them); returns the height they take, margins included.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> items;
    QList<int> stretches; // of each item
};
