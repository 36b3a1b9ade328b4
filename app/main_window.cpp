#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/outer_geometry.h"
#include "app/program_state.h"
#include "app/qt_text.h"
#include "app/ripple_start.h"
#include "app/working_set.h"
#include "analysis/answer_page.h"
#include "platform/ui_services.h"

namespace {

// "请输入地址哦" in GBK.
constexpr std::string_view kEmptyAddressMessage = "\xC7\xEB\xCA\xE4\xC8\xEB\xB5\xD8\xD6\xB7\xC5\xB6";

constexpr int kTrimPeriodMs = 5;

}  // namespace

MainWindow::MainWindow(std::string queryPrefix, QWidget* parent)
    : QWidget(parent), queryPrefix_(std::move(queryPrefix)) {
  setWindowTitle(QStringLiteral("Polvane,    Merrowin"));
  OuterGeometryKeeper::Keep(this, QRect(50, 50, 853, 240));

  ripplePicture_ = new QLabel(this);
  ripplePicture_->setObjectName(QStringLiteral("图片框1"));
  ripplePicture_->setGeometry(8, 8, 172, 193);
  ripplePicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ripplePicture_->setPixmap(QPixmap(QStringLiteral(":/pictures/ripple.bmp")));
  ripplePicture_->setMouseTracking(true);
  ripplePicture_->installEventFilter(this);

  usageNote_ = new QLabel(this);
  usageNote_->setObjectName(QStringLiteral("透明标签1"));
  usageNote_->setGeometry(192, 8, 568, 16);
  usageNote_->setAttribute(Qt::WA_TranslucentBackground);
  usageNote_->setText(QStringLiteral(
      "使用说明：右键即可复制下载地址，当前版本:1.9,总是说下个版本改进什么但是没改,道个歉"));

  forumLink_ = new QLabel(this);
  forumLink_->setObjectName(QStringLiteral("超级链接框1"));
  forumLink_->setGeometry(755, 7, 72, 16);
  forumLink_->setText(QStringLiteral("<a href=\"https://forum.polvane.example/\">交流论坛</a>"));
  forumLink_->setTextFormat(Qt::RichText);
  forumLink_->setOpenExternalLinks(true);

  addressBox_ = new QLineEdit(this);
  addressBox_->setObjectName(QStringLiteral("编辑框1"));
  addressBox_->setGeometry(192, 28, 520, 24);

  analyzeButton_ = new QPushButton(QStringLiteral("分析"), this);
  analyzeButton_->setObjectName(QStringLiteral("按钮1"));
  analyzeButton_->setGeometry(717, 28, 112, 24);
  connect(analyzeButton_, &QPushButton::clicked, this, [this] { AnalyzeAddress(); });

  resultsList_ = new QTreeWidget(this);
  resultsList_->setObjectName(QStringLiteral("超级列表框1"));
  resultsList_->setGeometry(192, 56, 637, 144);
  resultsList_->setColumnCount(3);
  resultsList_->setHeaderLabels({QStringLiteral("ID"), QStringLiteral("文件名"), QStringLiteral("下载地址")});
  resultsList_->setColumnWidth(0, 30);
  resultsList_->setColumnWidth(1, 100);
  resultsList_->setColumnWidth(2, 500);
  resultsList_->setRootIsDecorated(false);
  resultsList_->setItemsExpandable(false);
  resultsList_->setSelectionMode(QAbstractItemView::SingleSelection);
  resultsList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  resultsList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  resultsList_->setSortingEnabled(false);
  resultsList_->setUniformRowHeights(true);
  resultsList_->header()->setSectionsMovable(false);
  resultsList_->header()->setStretchLastSection(false);
  resultsList_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(resultsList_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    ShowListMenu(resultsList_->viewport()->mapToGlobal(at));
  });

  busyPicture_ = new QLabel(this);
  busyPicture_->setObjectName(QStringLiteral("图片框2"));
  busyPicture_->setGeometry(355, 95, 280, 16);
  busyMovie_ = new QMovie(QStringLiteral(":/pictures/busy.gif"), QByteArray(), busyPicture_);
  busyPicture_->setMovie(busyMovie_);
  busyPicture_->hide();

  listMenu_ = new QMenu(QStringLiteral("右键菜单"), this);
  connect(listMenu_->addAction(QStringLiteral("复制下载地址")), &QAction::triggered, this,
          [this] { CopyAddress(); });
  connect(listMenu_->addAction(QStringLiteral("下载视频")), &QAction::triggered, this, [this] {
    if (downloadCommand_) downloadCommand_();
  });
  connect(listMenu_->addAction(QStringLiteral("合并视频")), &QAction::triggered, this, [this] {
    if (mergeCommand_) mergeCommand_();
  });

  trimTimer_ = new QTimer(this);
  trimTimer_->setObjectName(QStringLiteral("时钟1"));
  connect(trimTimer_, &QTimer::timeout, this, [] { TrimWorkingSet(); });
  trimTimer_->start(kTrimPeriodMs);

  // The creation handler's ripple set-up, and a stone under every mouse move.
  StartRipple(State(), ripplePicture_);
  connect(this, &MainWindow::ripplePictureMouseMoved, this,
          [](int x, int y) { DropMouseStone(State(), x, y); });
}

MainWindow::~MainWindow() = default;

void MainWindow::AnalyzeAddress() {
  const Text typed = ToGbk(addressBox_->text());
  if (typed.empty()) {
    ShowMessage(kEmptyAddressMessage);
    return;
  }
  const unsigned generation = ++analysisGeneration_;
  SetBusy(true);
  resultsList_->clear();
  Text answer = FetchAnswerPage(ToGbk(addressBox_->text()), queryPrefix_);
  // A newer analysis ran while this one waited: its rows stand, this answer goes.
  if (generation != analysisGeneration_) return;

  ProgramState& state = State();
  state.pageText = std::move(answer);
  PageRows page = ExtractRows(state.pageText);
  ShowRows(page);
  state.linkList = std::move(page.links);
  state.linkIndex = state.linkList.Count() + 1;
  setWindowTitle(FromGbk(page.title));
  SetBusy(false);
}

void MainWindow::ShowRows(const PageRows& page) {
  for (const AddressRow& row : page.rows) {
    auto* item = new QTreeWidgetItem(resultsList_);
    item->setText(0, FromGbk(row.id));
    item->setText(1, FromGbk(row.title));
    item->setText(2, FromGbk(row.address));
    State().newRowIndex = resultsList_->indexOfTopLevelItem(item);
  }
}

void MainWindow::SetBusy(bool busy) {
  busyPicture_->setVisible(busy);
  if (busy) {
    busyMovie_->start();
  } else {
    busyMovie_->stop();
  }
}

void MainWindow::CopyAddress() { SetClipboardText(CellText(SelectedRow(), 2)); }

void MainWindow::ShowListMenu(const QPoint& globalPosition) {
  QAction* chosen = listMenu_->exec(globalPosition + QPoint(3, 3));
  (void)chosen;  // the item's own handler has run by now
}

int MainWindow::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = resultsList_->selectedItems();
  if (selected.isEmpty()) return -1;
  return resultsList_->indexOfTopLevelItem(selected.first());
}

Text MainWindow::CellText(int row, int column) const {
  if (row < 0 || row >= resultsList_->topLevelItemCount() || column < 0 || column > 2) return Text();
  return ToGbk(resultsList_->topLevelItem(row)->text(column));
}

int MainWindow::RowCount() const { return resultsList_->topLevelItemCount(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ripplePicture_ && event->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    emit ripplePictureMouseMoved(at.x(), at.y());
  }
  return QWidget::eventFilter(watched, event);
}
