#pragma once
// Tallyview's main window (class "TFormMain", caption "Статистика поверок"). It holds any number
// of opened verification data files and shows one of them: its readings in a table and as a
// plot of value against time, and the statistics of the chosen time span and channel.

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <vector>

#include "tallyview/data_file.h"
#include "tallyview/reading_selection.h"

QT_BEGIN_NAMESPACE
class QAction;
class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QDateTimeEdit;
class QLabel;
class QLineSeries;
class QTableView;
class QValueAxis;
QT_END_NAMESPACE

namespace zel {

class ReadingTableModel;

class TFormMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // Reads the files and shows the last one read; a file already open is read again.
  void OpenFiles(const QStringList& paths);
  // Writes the shown readings of the current file as CSV; false (with a note in the status
  // bar) when the file could not be written.
  bool ExportCsv(const QString& path);
  // Brings the window to the front, maximised (the "show" request of a second start).
  void ShowMaximisedInFront();

 private:
  struct OpenedFile {
    std::shared_ptr<const DataFile> data;
    TimeBounds bounds;              // of all readings
    std::vector<int> channelKinds;  // present in the file
    ReadingSelection selection;
  };

  void BuildMenu();
  void BuildWidgets();
  void ChooseFilesToOpen();
  void ChooseCsvFile();
  void CloseCurrentFile();
  void ShowFile(int index);
  void ShowWholeFile();
  void TakeSelectionFromControls();
  void Refresh();
  void Replot();
  void ShowStatistics();
  void ShowNotes();
  OpenedFile* current();

  std::vector<OpenedFile> files_;
  int current_ = -1;
  bool updatingControls_ = false;
  int plottedColumns_ = 0;
  QString lastDirectory_;
  QString openFailures_;

  ReadingTableModel* model_ = nullptr;
  QAction* reloadAction_ = nullptr;
  QAction* exportAction_ = nullptr;
  QAction* closeAction_ = nullptr;
  QComboBox* fileBox_ = nullptr;
  QComboBox* channelBox_ = nullptr;
  QDateTimeEdit* spanFrom_ = nullptr;
  QDateTimeEdit* spanTo_ = nullptr;
  QWidget* wholeSpan_ = nullptr;
  QTableView* table_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* chartView_ = nullptr;
  QLineSeries* series_ = nullptr;
  QDateTimeAxis* axisX_ = nullptr;
  QValueAxis* axisY_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QLabel* meanLabel_ = nullptr;
  QLabel* stdDevLabel_ = nullptr;
  QLabel* minLabel_ = nullptr;
  QLabel* maxLabel_ = nullptr;
  QLabel* largestDeviationLabel_ = nullptr;
  QLabel* notesLabel_ = nullptr;
};

}  // namespace zel
