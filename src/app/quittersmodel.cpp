#include "app/quittersmodel.h"

#include <QDateTime>

#include "app/desktopformats.h"

#include "app/platform/systemclock.h"

namespace ashtally {

QuittersModel::QuittersModel(QObject* parent) : QAbstractTableModel(parent) {}

QuittersModel::~QuittersModel() = default;

int QuittersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int QuittersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuittersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const Quitter& quitter = At(index.row());
        if (index.column() == NameColumn) {
            return QString::fromStdString(quitter.Name);
        }
        if (index.column() == QuitDateColumn) {
            return QuitDateText(quitter.QuitDate);
        }
    }
    return {};
}

QVariant QuittersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    if (section == NameColumn) {
        return tr("Name");
    }
    if (section == QuitDateColumn) {
        return tr("Quit date");
    }
    return {};
}

int QuittersModel::RowOf(const Quitter* quitter) const {
    for (int row = 0; row < Count(); ++row) {
        if (m_quitters[static_cast<std::size_t>(row)].get() == quitter) {
            return row;
        }
    }
    return -1;
}

int QuittersModel::Append(Quitter quitter) {
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    m_quitters.push_back(std::make_unique<Quitter>(std::move(quitter)));
    endInsertRows();
    return row;
}

void QuittersModel::Remove(int row) {
    if (row < 0 || row >= Count()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_quitters.erase(m_quitters.begin() + row);
    endRemoveRows();
}

void QuittersModel::Clear() {
    beginResetModel();
    m_quitters.clear();
    endResetModel();
}

void QuittersModel::Refresh(int row) {
    if (row >= 0 && row < Count()) {
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
}

std::vector<Quitter> QuittersModel::Snapshot() const {
    std::vector<Quitter> quitters;
    quitters.reserve(m_quitters.size());
    for (const auto& quitter : m_quitters) {
        quitters.push_back(*quitter);
    }
    return quitters;
}

QString QuittersModel::QuitDateText(TDateTime quitDate) {
    const QDateTime moment = ToQDateTime(quitDate);
    QString text = ShortDateText(moment.date());
    if (moment.time() != QTime(0, 0)) {
        text += QLatin1Char(' ') + LongTimeText(moment.time());
    }
    return text;
}

} // namespace ashtally
