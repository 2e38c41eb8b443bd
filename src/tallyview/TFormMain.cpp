#include "tallyview/TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDateTimeEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "tallyview/csv_export.h"
#include "tallyview/plot_decimation.h"
#include "tallyview/reading_columns.h"
#include "tallyview/reading_statistics.h"
#include "tallyview/reading_table_model.h"
#include "tallyview/reading_time.h"

namespace zel {
namespace {

// Used until the chart has been laid out and knows its width.
constexpr int kDefaultPlotColumns = 1000;

int64_t FloorToSecond(int64_t ms) { return ms - ((ms % 1000) + 1000) % 1000; }

QString NumberText(double v) { return std::isnan(v) ? QStringLiteral("—") : QString::number(v, 'g', 7); }

QString SignedNumberText(double v) {
  return std::isnan(v) || v < 0 ? NumberText(v) : QLatin1Char('+') + NumberText(v);
}

// 1, 2 or 5 times a power of ten, at least as large as raw.
double RoundStep(double raw) {
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

// The plot's time axis shows local time, the readings carry wall-clock digits; each reading is
// placed at the local moment with its digits.
QDateTime LocalMoment(int64_t ms) {
  const QDateTime wall = WallClockToDateTime(ms);
  return QDateTime(wall.date(), wall.time());
}

// Places readings on the plot's axis with one zone lookup per plot, unless the span crosses a
// clock change, where each point is looked up.
class PlotClock {
 public:
  PlotClock(int64_t first, int64_t last)
      : offset_(first - LocalMoment(first).toMSecsSinceEpoch()),
        uniform_(offset_ == last - LocalMoment(last).toMSecsSinceEpoch()) {}
  qreal X(int64_t ms) const {
    return qreal(uniform_ ? ms - offset_ : LocalMoment(ms).toMSecsSinceEpoch());
  }

 private:
  int64_t offset_;
  bool uniform_;
};

QLabel* StatisticsLabel(const char* name) {
  auto* label = new QLabel(QStringLiteral("—"));
  label->setObjectName(QLatin1String(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000e+00")));
  return label;
}

QAction* MenuAction(QMenu* menu, const QString& text, const char* name, const QKeySequence& key) {
  auto* action = new QAction(text, menu);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(key);
  menu->addAction(action);
  return action;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TFormMain"));
  setWindowTitle(QStringLiteral("Статистика поверок"));
  lastDirectory_ = QDir::currentPath();
  BuildMenu();
  BuildWidgets();
  resize(1150, 760);
  ShowFile(-1);
}

TFormMain::~TFormMain() = default;

void TFormMain::BuildMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("&Файл"));
  connect(MenuAction(menu, QStringLiteral("&Открыть…"), "openAction", Qt::CTRL | Qt::Key_O),
          &QAction::triggered, this, &TFormMain::ChooseFilesToOpen);
  reloadAction_ = MenuAction(menu, QStringLiteral("&Перечитать файл"), "reloadAction", Qt::Key_F5);
  // A verification running meanwhile keeps appending to the file.
  connect(reloadAction_, &QAction::triggered, this, [this] {
    if (current()) OpenFiles({current()->data->path});
  });
  exportAction_ = MenuAction(menu, QStringLiteral("&Экспорт в CSV…"), "exportAction", Qt::CTRL | Qt::Key_E);
  connect(exportAction_, &QAction::triggered, this, &TFormMain::ChooseCsvFile);
  closeAction_ = MenuAction(menu, QStringLiteral("&Закрыть файл"), "closeAction", Qt::CTRL | Qt::Key_W);
  connect(closeAction_, &QAction::triggered, this, &TFormMain::CloseCurrentFile);
  menu->addSeparator();
  connect(MenuAction(menu, QStringLiteral("&Выход"), "quitAction", Qt::CTRL | Qt::Key_Q),
          &QAction::triggered, this, &QWidget::close);
}

void TFormMain::BuildWidgets() {
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);

  auto* bar = new QHBoxLayout;
  const auto addLabelled = [&](const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    bar->addWidget(label);
    bar->addWidget(field);
  };
  fileBox_ = new QComboBox;
  fileBox_->setObjectName(QStringLiteral("fileBox"));
  fileBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  fileBox_->setMinimumContentsLength(24);
  addLabelled(QStringLiteral("&Файл:"), fileBox_);
  channelBox_ = new QComboBox;
  channelBox_->setObjectName(QStringLiteral("channelBox"));
  channelBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  addLabelled(QStringLiteral("&Канал:"), channelBox_);
  const auto makeSpanEdit = [](const char* name) {
    auto* edit = new QDateTimeEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setTimeSpec(Qt::UTC);  // the file's wall-clock digits, unshifted
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    edit->setCalendarPopup(true);
    return edit;
  };
  spanFrom_ = makeSpanEdit("spanFromEdit");
  spanTo_ = makeSpanEdit("spanToEdit");
  addLabelled(QStringLiteral("&С:"), spanFrom_);
  addLabelled(QStringLiteral("&по:"), spanTo_);
  auto* wholeSpan = new QPushButton(QStringLiteral("&Весь интервал"));
  wholeSpan->setObjectName(QStringLiteral("wholeSpanButton"));
  wholeSpan_ = wholeSpan;
  bar->addWidget(wholeSpan);
  bar->addStretch();
  layout->addLayout(bar);

  chart_ = new QChart;
  chart_->legend()->hide();
  series_ = new QLineSeries;
  chart_->addSeries(series_);
  axisX_ = new QDateTimeAxis;
  axisX_->setFormat(QStringLiteral("dd.MM.yy hh:mm:ss"));
  axisX_->setTickCount(6);
  axisY_ = new QValueAxis;
  axisY_->setTitleText(QStringLiteral("Значение"));
  axisY_->setTickType(QValueAxis::TicksDynamic);
  axisY_->setLabelFormat(QStringLiteral("%.7g"));
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  series_->attachAxis(axisX_);
  series_->attachAxis(axisY_);
  chartView_ = new QChartView(chart_);
  chartView_->setObjectName(QStringLiteral("chartView"));
  chartView_->setMinimumHeight(260);

  model_ = new ReadingTableModel(this);
  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("readingTable"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setAlternatingRowColors(true);
  table_->verticalHeader()->hide();
  // Fixed row heights and column widths: the view then never measures a million rows.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  table_->horizontalHeader()->setStretchLastSection(true);
  static const char* const kWidest[kReadingColumnCount] = {
      "1000000",    "30.12.2099 23:59:59.999", "-1.2345678e+09", "перепад давления",
      "255",        "4294967295",              "65535",          "0xFFFFFFFF"};
  for (int c = 0; c < kReadingColumnCount; ++c) {
    const QFontMetrics& fm = table_->fontMetrics();
    const int width = std::max(fm.horizontalAdvance(QString::fromUtf8(kWidest[c])),
                               fm.horizontalAdvance(ReadingColumnTitle(ReadingColumn(c))));
    table_->setColumnWidth(c, width + 14);
  }

  auto* statistics = new QGroupBox(QStringLiteral("Статистика выбранных записей"));
  auto* form = new QFormLayout(statistics);
  countLabel_ = StatisticsLabel("countLabel");
  meanLabel_ = StatisticsLabel("meanLabel");
  stdDevLabel_ = StatisticsLabel("stdDevLabel");
  minLabel_ = StatisticsLabel("minLabel");
  maxLabel_ = StatisticsLabel("maxLabel");
  largestDeviationLabel_ = StatisticsLabel("largestDeviationLabel");
  form->addRow(QStringLiteral("Число записей:"), countLabel_);
  form->addRow(QStringLiteral("Среднее:"), meanLabel_);
  form->addRow(QStringLiteral("СКО:"), stdDevLabel_);
  form->addRow(QStringLiteral("Минимум:"), minLabel_);
  form->addRow(QStringLiteral("Максимум:"), maxLabel_);
  form->addRow(QStringLiteral("Наибольшее отклонение\nот среднего:"), largestDeviationLabel_);

  auto* lower = new QWidget;
  auto* lowerLayout = new QHBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addWidget(table_, 1);
  lowerLayout->addWidget(statistics, 0, Qt::AlignTop);

  auto* splitter = new QSplitter(Qt::Vertical);
  splitter->addWidget(chartView_);
  splitter->addWidget(lower);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);
  layout->addWidget(splitter, 1);

  notesLabel_ = new QLabel;
  notesLabel_->setObjectName(QStringLiteral("notesLabel"));
  notesLabel_->setWordWrap(true);
  notesLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(notesLabel_);
  setCentralWidget(central);

  connect(fileBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!updatingControls_) ShowFile(index);
  });
  connect(channelBox_, &QComboBox::currentIndexChanged, this, &TFormMain::TakeSelectionFromControls);
  connect(spanFrom_, &QDateTimeEdit::dateTimeChanged, this, &TFormMain::TakeSelectionFromControls);
  connect(spanTo_, &QDateTimeEdit::dateTimeChanged, this, &TFormMain::TakeSelectionFromControls);
  connect(wholeSpan, &QPushButton::clicked, this, &TFormMain::ShowWholeFile);
  // A wider or narrower plot needs another thinning; queued, because this arrives mid-layout.
  connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
    if (int(area.width()) != plottedColumns_ && int(area.width()) > 0)
      QTimer::singleShot(0, this, &TFormMain::Replot);
  });
}

TFormMain::OpenedFile* TFormMain::current() {
  return current_ >= 0 && current_ < int(files_.size()) ? &files_[size_t(current_)] : nullptr;
}

void TFormMain::OpenFiles(const QStringList& paths) {
  QStringList failures;
  int shown = -1;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  for (const QString& given : paths) {
    const QString path = QFileInfo(given).absoluteFilePath();
    auto data = std::make_shared<DataFile>(ReadDataFile(path));
    if (!data->notes.empty() && data->notes.front().kind == ReadNoteKind::CannotOpen) {
      failures << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), DescribeNote(data->notes.front()));
      continue;
    }
    lastDirectory_ = QFileInfo(path).absolutePath();
    OpenedFile opened{data, TimeBoundsOf(data->readings), ChannelKindsOf(data->readings), {}};
    if (!opened.bounds.empty) {
      opened.selection.fromMs = FloorToSecond(opened.bounds.first);
      opened.selection.toMs = FloorToSecond(opened.bounds.last) + 999;
    }
    // Statistics over mixed channels mean nothing; start with the channel of the first reading.
    if (!data->readings.empty()) opened.selection.channelKind = data->readings.front().channelKind;
    const auto same = std::find_if(files_.begin(), files_.end(),
                                   [&](const OpenedFile& f) { return f.data->path == path; });
    updatingControls_ = true;
    if (same != files_.end()) {
      *same = opened;
      shown = int(same - files_.begin());
    } else {
      files_.push_back(opened);
      shown = int(files_.size()) - 1;
      fileBox_->addItem(QFileInfo(path).fileName());
      fileBox_->setItemData(shown, QDir::toNativeSeparators(path), Qt::ToolTipRole);
    }
    updatingControls_ = false;
  }
  QApplication::restoreOverrideCursor();
  openFailures_ = failures.join(QLatin1Char('\n'));
  if (shown >= 0) {
    updatingControls_ = true;
    fileBox_->setCurrentIndex(shown);
    updatingControls_ = false;
    ShowFile(shown);
  } else {
    Refresh();
  }
}

void TFormMain::ShowFile(int index) {
  current_ = index;
  updatingControls_ = true;
  channelBox_->clear();
  const OpenedFile* file = current();
  const bool any = file && !file->data->readings.empty();
  if (any) {
    if (file->channelKinds.size() > 1) channelBox_->addItem(QStringLiteral("все каналы"), kAnyChannel);
    for (int kind : file->channelKinds) channelBox_->addItem(ChannelKindName(kind), kind);
    channelBox_->setCurrentIndex(std::max(0, channelBox_->findData(file->selection.channelKind)));
    const QDateTime first = WallClockToDateTime(FloorToSecond(file->bounds.first));
    const QDateTime last = WallClockToDateTime(FloorToSecond(file->bounds.last));
    for (QDateTimeEdit* edit : {spanFrom_, spanTo_}) edit->setDateTimeRange(first, last);
    spanFrom_->setDateTime(WallClockToDateTime(file->selection.fromMs));
    spanTo_->setDateTime(WallClockToDateTime(FloorToSecond(file->selection.toMs)));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{channelBox_, spanFrom_, spanTo_, wholeSpan_}) w->setEnabled(any);
  updatingControls_ = false;
  Refresh();
}

void TFormMain::ShowWholeFile() {
  if (!current() || current()->data->readings.empty()) return;
  updatingControls_ = true;
  spanFrom_->setDateTime(spanFrom_->minimumDateTime());
  spanTo_->setDateTime(spanTo_->maximumDateTime());
  updatingControls_ = false;
  TakeSelectionFromControls();
}

void TFormMain::TakeSelectionFromControls() {
  OpenedFile* file = current();
  if (updatingControls_ || !file || file->data->readings.empty()) return;
  file->selection.fromMs = DateTimeToWallClock(spanFrom_->dateTime());
  // The edits show whole seconds; the span ends with the last millisecond of the shown second.
  file->selection.toMs = DateTimeToWallClock(spanTo_->dateTime()) + 999;
  file->selection.channelKind = channelBox_->currentData().toInt();
  Refresh();
}

void TFormMain::Refresh() {
  const OpenedFile* file = current();
  model_->SetReadings(file ? file->data : nullptr,
                      file ? SelectReadings(file->data->readings, file->selection) : std::vector<uint32_t>());
  exportAction_->setEnabled(model_->rowCount() > 0);
  closeAction_->setEnabled(file != nullptr);
  reloadAction_->setEnabled(file != nullptr);
  ShowStatistics();
  Replot();
  ShowNotes();
  if (file)
    statusBar()->showMessage(QStringLiteral("Показано записей: %1 из %2 — %3")
                                 .arg(model_->rowCount())
                                 .arg(file->data->readings.size())
                                 .arg(QDir::toNativeSeparators(file->data->path)));
  else
    statusBar()->clearMessage();
}

void TFormMain::ShowStatistics() {
  const OpenedFile* file = current();
  const RunningStatistics s = file ? Summarise(file->data->readings, model_->rows()) : RunningStatistics();
  countLabel_->setText(QString::number(s.count()));
  meanLabel_->setText(NumberText(s.mean()));
  stdDevLabel_->setText(NumberText(s.standardDeviation()));
  minLabel_->setText(NumberText(s.minimum()));
  maxLabel_->setText(NumberText(s.maximum()));
  largestDeviationLabel_->setText(SignedNumberText(s.largestDeviation()));
}

void TFormMain::Replot() {
  const int width = int(chart_->plotArea().width());
  const int columns = width >= 50 ? width : kDefaultPlotColumns;
  plottedColumns_ = width;
  const OpenedFile* file = current();
  chart_->setTitle(file ? QFileInfo(file->data->path).fileName() : QString());
  const std::vector<uint32_t>& rows = model_->rows();
  // Axes without readings would only show made-up times.
  axisX_->setVisible(!rows.empty());
  axisY_->setVisible(!rows.empty());
  if (!file || rows.empty()) {
    series_->clear();
    return;
  }
  const std::vector<Reading>& readings = file->data->readings;
  const TimeBounds bounds = TimeBoundsOf(readings, rows);
  const std::vector<PlotPoint> points = DecimateMinMax(readings, rows, bounds.first, bounds.last, columns);
  const PlotClock clock(bounds.first, bounds.last);
  QList<QPointF> line;
  line.reserve(qsizetype(points.size()));
  double low = points.front().value, high = low;
  for (const PlotPoint& p : points) {
    line.append(QPointF(clock.X(p.timeMs), p.value));
    low = std::min(low, p.value);
    high = std::max(high, p.value);
  }
  series_->replace(line);
  // A single moment or a constant value still gets an axis of some width.
  axisX_->setRange(LocalMoment(bounds.first), LocalMoment(std::max(bounds.last, bounds.first + 1000)));
  const double margin = high > low ? (high - low) * 0.05 : std::max(std::abs(high) * 0.001, 0.001);
  axisY_->setRange(low - margin, high + margin);
  // Ticks on round values while the axis keeps hugging the data.
  const double step = RoundStep((high + margin - (low - margin)) / 5);
  axisY_->setTickAnchor(std::floor((low - margin) / step) * step);
  axisY_->setTickInterval(step);
}

void TFormMain::ShowNotes() {
  QStringList lines;
  if (!openFailures_.isEmpty()) lines << openFailures_;
  const OpenedFile* file = current();
  if (file) {
    for (const ReadNote& note : file->data->notes) lines << DescribeNote(note);
    if (file->channelKinds.size() > 1) {
      QStringList names;
      for (int kind : file->channelKinds) names << ChannelKindName(kind);
      lines << QStringLiteral("В файле записи нескольких каналов (%1); канал выбирается в списке «Канал».")
                   .arg(names.join(QStringLiteral(", ")));
    }
    if (!file->data->readings.empty() && file->selection.fromMs > file->selection.toMs)
      lines << QStringLiteral("Начало интервала позже его конца: не выбрано ни одной записи.");
  }
  const bool warn = !lines.isEmpty();
  if (!warn && file) lines << QStringLiteral("Файл прочитан полностью.");
  if (!warn && !file) lines << QStringLiteral("Откройте файл данных поверки (.ctr): Файл → Открыть, Ctrl+O.");
  notesLabel_->setText(lines.join(QLatin1Char('\n')));
  notesLabel_->setStyleSheet(warn ? QStringLiteral("QLabel { background: #fff3c4; padding: 4px; }")
                                  : QStringLiteral("QLabel { padding: 4px; }"));
}

void TFormMain::ChooseFilesToOpen() {
  const QStringList paths = QFileDialog::getOpenFileNames(
      this, QStringLiteral("Открыть файлы данных поверки"), lastDirectory_,
      QStringLiteral("Файлы данных поверки (*.ctr);;Все файлы (*)"));
  if (!paths.isEmpty()) OpenFiles(paths);
}

void TFormMain::ChooseCsvFile() {
  const OpenedFile* file = current();
  if (!file) return;
  const QFileInfo source(file->data->path);
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("Экспорт выбранных записей в CSV"),
      source.absoluteDir().filePath(source.completeBaseName() + QStringLiteral(".csv")),
      QStringLiteral("CSV (*.csv);;Все файлы (*)"));
  if (!path.isEmpty() && !ExportCsv(path))
    QMessageBox::warning(this, windowTitle(), statusBar()->currentMessage());
}

bool TFormMain::ExportCsv(const QString& path) {
  const OpenedFile* file = current();
  if (!file) return false;
  QSaveFile out(path);  // a failed export leaves an earlier file of that name untouched
  const bool ok = out.open(QIODevice::WriteOnly) && WriteCsv(out, file->data->readings, model_->rows()) &&
                  out.commit();
  statusBar()->showMessage(ok ? QStringLiteral("Записано строк: %1 — %2")
                                    .arg(model_->rowCount())
                                    .arg(QDir::toNativeSeparators(path))
                              : QStringLiteral("Не удалось записать %1: %2")
                                    .arg(QDir::toNativeSeparators(path), out.errorString()));
  return ok;
}

void TFormMain::CloseCurrentFile() {
  if (!current()) return;
  const int index = current_;
  files_.erase(files_.begin() + index);
  updatingControls_ = true;
  fileBox_->removeItem(index);
  const int next = std::min(index, int(files_.size()) - 1);
  fileBox_->setCurrentIndex(next);
  updatingControls_ = false;
  openFailures_.clear();
  ShowFile(next);
}

void TFormMain::ShowMaximisedInFront() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

}  // namespace zel
