#pragma once

#include <QAbstractTableModel>

#include <memory>
#include <vector>

#include "stats/quitter.h"

namespace ashtally {

// The quitters list: the program's one collection of quitters, the user's own entry first.
// Rows keep the order they were added in; the list is never sorted. Each row owns its record,
// and the records stay where they are while rows come and go, so references to them (the
// user's entry, the Today selector's entries) stay valid until their row is removed.
class QuittersModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, QuitDateColumn = 1, ColumnCount = 2 };

    explicit QuittersModel(QObject* parent = nullptr);
    ~QuittersModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_quitters.size()); }
    Quitter& At(int row) { return *m_quitters.at(static_cast<std::size_t>(row)); }
    const Quitter& At(int row) const { return *m_quitters.at(static_cast<std::size_t>(row)); }
    int RowOf(const Quitter* quitter) const;

    // Appends a row holding the record; returns its row.
    int Append(Quitter quitter);
    void Remove(int row);
    void Clear();

    // The row's cells show the record's current values.
    void Refresh(int row);

    std::vector<Quitter> Snapshot() const;

    // The quit date as the list shows it: the desktop's short date and long time, the time
    // left out at exactly midnight.
    static QString QuitDateText(TDateTime quitDate);

private:
    std::vector<std::unique_ptr<Quitter>> m_quitters;
};

} // namespace ashtally
