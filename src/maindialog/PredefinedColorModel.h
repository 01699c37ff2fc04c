#pragma once

#include "common/OleColor.h"

#include <QAbstractListModel>
#include <QString>
#include <functional>
#include <vector>

// One entry of the predefined colour list: the text the list shows, its item data (always a
// plain RGB value, for system colours the RGB they had when the list was filled) and the value
// its table gave (the system colour itself for a system entry).
struct PredefinedColor {
    QString Text;
    OLE_COLOR ItemData = 0;
    OLE_COLOR TableValue = 0;
};

// A read-only list model over entries that the owner keeps, so that a list of any length is
// handed to the combo box in one step instead of one widget call per entry. Qt::DisplayRole is
// the text, Qt::UserRole the item data. The owner changes the entries only inside Refill.
class PredefinedColorModel final : public QAbstractListModel {
    Q_OBJECT

public:
    PredefinedColorModel(const std::vector<PredefinedColor>& entries, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Runs Change, which rewrites the entries, as one reset of the model.
    void Refill(const std::function<void()>& Change);

private:
    const std::vector<PredefinedColor>& mEntries;
};
