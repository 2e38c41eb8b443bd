#pragma once
// The table of readings: a model over the selected rows of one file, so the view only ever
// asks for the few cells it shows, however many readings there are.

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "tallyview/data_file.h"

namespace zel {

class ReadingTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows file->readings[rows[i]] as row i; a null file shows nothing.
  void SetReadings(std::shared_ptr<const DataFile> file, std::vector<uint32_t> rows);
  const std::vector<uint32_t>& rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const DataFile> file_;
  std::vector<uint32_t> rows_;
};

}  // namespace zel
