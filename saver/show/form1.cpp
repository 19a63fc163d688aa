#include "saver/show/form1.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "saver/effects/capture_screen.h"
#include "saver/effects/effect_drawing.h"
#include "saver/effects/run_transition.h"
#include "saver/settings/app_files.h"
#include "saver/settings/background_page.h"
#include "saver/show/silent_page.h"
#include "saver/texts.h"
#include "saver/utilities/winver.h"

namespace pgw {
namespace {

constexpr int kTwips = kTwipsPerPixel;
constexpr std::int16_t kGridSize = 60;

int Px(double twips) {
  return static_cast<int>(std::lround(twips / kTwips));
}

QRect PxRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSize ScreenSize() {
  return QGuiApplication::primaryScreen()->geometry().size();
}

// The word CLOSE in black capitals stacked from top to bottom, 15 x 62 pixels.
QPixmap ClosePicture() {
  QPixmap picture(15, 62);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QString word = QStringLiteral("CLOSE");
  for (int i = 0; i < word.size(); ++i) {
    painter.drawText(QRect(0, i * 12 + 1, 15, 12), Qt::AlignCenter, word.mid(i, 1));
  }
  return picture;
}

void SetBackground(QWidget* widget, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

Form1::Form1(SaverSettings& settings, std::string appFolder, ShowPlatform platform)
    : settings_(settings),
      appFolder_(std::move(appFolder)),
      platform_(platform),
      mouse_(platform.pointer),
      exitSettings_{settings.ExitMode, settings.PasswordProtection} {
  setWindowTitle(Text(texts::kShowCaption));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  setFocusPolicy(Qt::StrongFocus);
  BuildControls();
  qApp->installEventFilter(this);
  LoadSetUp();
}

Form1::~Form1() {
  Unload();
}

void Form1::BuildControls() {
  resize(Px(11055), Px(10095));

  // Page area, with the browser and, above it, the clock and the password panel.
  Picture1 = new QWidget(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(PxRect(0, 0, 10935, 9975));
  Picture1->setFocusPolicy(Qt::StrongFocus);
  Picture1->installEventFilter(this);

  WebBrowser1 = new QWebEngineView(Picture1);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  // The profile belongs to the window, so it outlives the page.
  WebBrowser1->setPage(new SilentPage(MakeShowProfile(this, settings_.WorkOffline), WebBrowser1));
  WebBrowser1->setGeometry(PxRect(0, 0, 9615, 9495));
  WebBrowser1->setContextMenuPolicy(Qt::NoContextMenu);
  WebBrowser1->hide();
  connect(WebBrowser1->page(), &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
            // A renderer that died is replaced by loading the next entry.
            if (status != QWebEnginePage::NormalTerminationStatus && !showEnding_) ChangeEntry();
          });

  Frame2 = new QFrame(Picture1);
  Frame2->setGeometry(PxRect(720, 0, 1455, 255));
  SetBackground(Frame2, Qt::black);
  Label1 = new QLabel(QStringLiteral("XX"), Frame2);
  Label1->setStyleSheet(QStringLiteral("color: white; font: bold 8.25pt 'Arial';"));
  Label1->adjustSize();
  Frame2->hide();

  Frame3 = new QFrame(Picture1);
  Frame3->setObjectName(QStringLiteral("Frame3"));
  Frame3->resize(Px(4815), Px(2175));
  SetBackground(Frame3, palette().color(QPalette::Window));
  Frame3->setMouseTracking(true);
  Frame3->installEventFilter(this);
  auto* shape1 = new QFrame(Frame3);
  shape1->setFrameShape(QFrame::Box);
  shape1->setGeometry(PxRect(240, 240, 4335, 1695));
  auto* label3 = new QLabel(QStringLiteral("Please enter password..."), Frame3);
  label3->move(Px(480), Px(480));
  label3->adjustSize();
  Text1 = new QLineEdit(Frame3);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(PxRect(480, 840, 3495, 375));
  Text1->setEchoMode(QLineEdit::Password);
  Text1->setMaxLength(50);
  Text1->setAccessibleName(label3->text());
  Text1->installEventFilter(this);
  connect(Text1, &QLineEdit::textChanged, this, &Form1::PasswordChanged);
  auto* label4 = new QLabel(QStringLiteral("or press Esc to close this window"), Frame3);
  label4->setGeometry(PxRect(480, 1440, 3495, 255));
  Frame3->hide();

  // Key catcher: holds the focus in exit mode 1, below the visible screen. A plain
  // widget: a text box's blinking cursor would repaint the whole window twice a second.
  Text3 = new QWidget(this);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setFocusPolicy(Qt::StrongFocus);
  Text3->setGeometry(PxRect(3120, 9600, 75, 195));
  Text3->setAccessibleName(QStringLiteral("Key catcher"));
  Text3->installEventFilter(this);

  Picture2 = new PictureBox(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setGeometry(PxRect(0, 0, 10560, 8400));
  Picture2->installEventFilter(this);
  Picture2->hide();

  // Exit bar, above everything.
  Frame1 = new QFrame(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(PxRect(0, 0, 495, 5295));
  SetBackground(Frame1, *ColorFromSetting("16771295"));  // 0xFFE8DF: pale blue
  Frame1->setCursor(Qt::PointingHandCursor);
  Frame1->setAccessibleName(QStringLiteral("Close"));
  Frame1->installEventFilter(this);
  Image1 = new QLabel(Frame1);
  Image1->setPixmap(ClosePicture());
  Image1->setGeometry(PxRect(120, 2160, 225, 930));
  Image1->setAccessibleName(QStringLiteral("Close"));
  Image1->installEventFilter(this);

  Timer1.setInterval(5000);
  Timer2.setInterval(300);
  Timer3.setInterval(1000);
  Timer4.setInterval(1000);
  Timer5.setInterval(800);
  Timer6.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &Form1::RotationTick);
  connect(&Timer2, &QTimer::timeout, this, &Form1::PointerWatchTick);
  connect(&Timer3, &QTimer::timeout, this, &Form1::ExitBarTick);
  connect(&Timer5, &QTimer::timeout, this, &Form1::FocusKeeperTick);
  connect(&Timer6, &QTimer::timeout, this, &Form1::RevealTick);
  Timer2.start();
  Timer3.start();
  Timer5.start();
}

void Form1::LoadSetUp() {
  const QSize screen = ScreenSize();
  NavigateToBackgroundPage();
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  Picture1->resize(screen);
  ScreenWidthAtLoad = static_cast<float>(screen.width() * kTwips);
  Text3->move(Text3->x(), Px(screen.height() * kTwips + 10));
  if (settings_.HideMouse) HideRequest();
  if (settings_.BackColor.empty()) settings_.BackColor = "16777215";
  const int first = ChooseFirstEntry(settings_, platform_.random);
  NavigateToEntry(EntryToShow(settings_, first));
  Picture1->resize(screen);
  SetBrowserGeometry(LoadGeometry(
      {static_cast<float>(WebBrowser1->x() * kTwips), static_cast<float>(WebBrowser1->y() * kTwips),
       static_cast<float>(WebBrowser1->width() * kTwips),
       static_cast<float>(WebBrowser1->height() * kTwips)},
      ScreenWidthAtLoad, static_cast<float>(screen.width() * kTwips),
      static_cast<float>(screen.height() * kTwips), settings_.HideScrollBars));
  exit_.CursorX = exit_.PrevCursorX = static_cast<int>(mouse_.x());
  exit_.CursorY = exit_.PrevCursorY = static_cast<int>(mouse_.Y());
  rotation_.SequenceIndex = 0;
  rotation_.LastIndex = first;
  Frame3->move((screen.width() - Frame3->width()) / 2, (screen.height() - Frame3->height()) / 2);
}

bool Form1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Activation();
  return QWidget::event(event);
}

void Form1::Activation() {
  if (showEnding_) return;
  const QSize screen = ScreenSize();
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  mouse_.x(400);
  mouse_.Y(300);
  ActivateExitRules(exit_);
  Timer2.start();
  Frame1->setGeometry(Px(exit_.ExitBarLeft), 0, Frame1->width(), screen.height());
  Image1->move(Image1->x(), (screen.height() - Image1->height()) / 2);
  Picture1->resize(screen);
  SetBackground(Picture1, ColorFromSetting(settings_.BackColor).value_or(Qt::white));
  SetBrowserGeometry(
      ActivationGeometry(ScreenWidthAtLoad, static_cast<float>(screen.width() * kTwips),
                         static_cast<float>(screen.height() * kTwips), settings_.HideScrollBars));
  const std::int64_t interval = RotationIntervalMs(settings_.WithholdSeconds);
  Timer1.setInterval(static_cast<int>(interval));
  if (!settings_.Page(1).empty() && interval > 0) Timer1.start();
  if (std::optional<BrowserRect> fixed =
          FixedSizeGeometry(settings_.DisplaySize, static_cast<float>(width() * kTwips),
                            static_cast<float>(height() * kTwips))) {
    SetBrowserGeometry(*fixed);
  }
  if (settings_.HideMouse) HideRequest();
  if (settings_.PasswordProtection && windowHandle() != nullptr) {
    // While a password guards the show, keyboard and pointer belong to it alone.
    windowHandle()->setKeyboardGrabEnabled(true);
    windowHandle()->setMouseGrabEnabled(true);
  }
  Timer6.start();
}

void Form1::RevealTick() {
  WebBrowser1->show();
  Timer6.stop();
}

void Form1::RotationTick() {
  // A tick that comes while a transition still plays is skipped.
  if (transitionPlaying_ || showEnding_) return;
  if (settings_.PageCount == 1) {
    Picture2->hide();
    return;
  }
  const std::int16_t code = TransitionForTick(settings_.EffectCode, platform_.random);
  if (code < 0) {
    ChangeEntry();
    return;
  }
  CaptureScreen();
  Picture2->show();
  Picture2->raise();
  Frame1->raise();
  if (code != kNoEffect) NavigateToBackgroundPage();
  if (Frame3->isVisible()) Frame3->raise();
  transitionPlaying_ = true;
  std::int16_t q = kGridSize;
  RunTransition(
      *Picture2, code, q, settings_.BackColor, platform_.random, [this] { return showEnding_; },
      [this] {
        transitionPlaying_ = false;
        if (!showEnding_) ChangeEntry();
      });
}

void Form1::ChangeEntry() {
  NavigateToEntry(ChooseNextEntry(rotation_, settings_, platform_.random));
  Picture2->hide();
}

void Form1::CaptureScreen() {
  pgw::CaptureScreen(*Picture2);
}

void Form1::NavigateToBackgroundPage() {
  const std::string page = AppFile(appFolder_, texts::kBackgroundPageFile);
  const QString path = QString::fromLocal8Bit(page.data(), static_cast<qsizetype>(page.size()));
  if (QFile::exists(path)) {
    WebBrowser1->load(QUrl::fromLocalFile(path));
    return;
  }
  // Without the page the settings window writes, the same page is made here.
  std::optional<std::string> line =
      BackgroundPageLine(settings_.BackColor.empty() ? "16777215" : settings_.BackColor);
  WebBrowser1->setHtml(QString::fromLatin1(line.value_or("<html></html>").c_str()));
}

void Form1::NavigateToEntry(int index) {
  const std::string& entry = settings_.Page(index);
  const QString text = QString::fromLocal8Bit(entry.data(), static_cast<qsizetype>(entry.size()));
  WebBrowser1->load(
      QUrl::fromUserInput(text, QString::fromLocal8Bit(appFolder_.c_str()), QUrl::AssumeLocalFile));
}

void Form1::SetBrowserGeometry(const BrowserRect& twips) {
  WebBrowser1->setGeometry(Px(twips.left), Px(twips.top), Px(twips.width), Px(twips.height));
}

void Form1::PointerWatchTick() {
  Act(pgw::PointerWatchTick(exit_, exitSettings_,
                            {static_cast<int>(mouse_.x()), static_cast<int>(mouse_.Y())}));
  Frame1->move(Px(exit_.ExitBarLeft), 0);
}

void Form1::ExitBarTick() {
  pgw::ExitBarTick(exit_);
  Frame1->move(Px(exit_.ExitBarLeft), 0);
}

void Form1::FocusKeeperTick() {
  if (settings_.HideMouse) HideRequest();
  if (!Frame3->isVisible() && settings_.ExitMode == texts::kExitByBar) {
    WebBrowser1->setFocus();
  } else {
    Text3->setFocus();
  }
  if (Frame3->isVisible()) {
    Text1->setFocus();
    ShowRequest();
  }
}

void Form1::HandleExitInput() {
  exit_.PasswordPanelVisible = Frame3->isVisible();
  Act(pgw::HandleExitInput(exit_, exitSettings_));
}

void Form1::Act(ExitAction action) {
  switch (action) {
    case ExitAction::None:
      break;
    case ExitAction::EndShow:
      EndShow();
      break;
    case ExitAction::LockOrAskPassword:
      LockOrAskPassword();
      break;
    case ExitAction::FocusPasswordBox:
      Text1->setFocus();
      break;
  }
}

void Form1::LockOrAskPassword() {
  if (GetWindowsVersion() == "1") {
    OpenPasswordPanel();
    return;
  }
  if (lockPending_) return;
  lockPending_ = true;
  platform_.sessionLock.Lock([this](bool locked) {
    lockPending_ = false;
    // Without a session lock the show's own password panel is the way out.
    if (locked) {
      EndShow();
    } else {
      OpenPasswordPanel();
    }
  });
}

void Form1::OpenPasswordPanel() {
  Frame3->show();
  Frame3->raise();
  exit_.PasswordPanelVisible = true;
  Text1->clear();
  Text1->setFocus();
}

void Form1::ClosePasswordPanel() {
  Frame3->hide();
  exit_.PasswordPanelVisible = false;
  Picture1->setFocus();
  if (settings_.HideMouse) HideRequest();
}

void Form1::PasswordChanged(const QString& text) {
  const QByteArray typed = text.toLocal8Bit();
  if (std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())) ==
      settings_.Password) {
    EndShow();
  }
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // When moves and keys end the show, a key counts wherever the focus is (the key
  // catcher, the page, the page area), except in the open password panel.
  if (type == QEvent::KeyPress && watched->isWidgetType() &&
      settings_.ExitMode != texts::kExitByBar && !Frame3->isVisible()) {
    HandleExitInput();
    return true;
  }
  if ((watched == Text3 || watched == Picture1) && type == QEvent::KeyPress) {
    HandleExitInput();
    return true;
  }
  if (watched == Picture2 &&
      (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
    HandleExitInput();
    return true;
  }
  if ((watched == Frame1 || watched == Image1) && type == QEvent::MouseButtonRelease) {
    Act(ExitBarClick(exitSettings_));
    return true;
  }
  if (watched == Text1 && type == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    ClosePasswordPanel();
    return true;
  }
  if (watched == Frame3 && type == QEvent::MouseMove) Text1->setFocus();
  return QWidget::eventFilter(watched, event);
}

void Form1::HideRequest() {
  pointerCount_.Hide();
  if (!pointerCount_.PointerVisible() && !pointerBlanked_) {
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    pointerBlanked_ = true;
  }
}

void Form1::ShowRequest() {
  pointerCount_.Show();
  if (pointerCount_.PointerVisible() && pointerBlanked_) {
    QGuiApplication::restoreOverrideCursor();
    pointerBlanked_ = false;
  }
}

void Form1::EndShow() {
  if (showEnding_) return;
  showEnding_ = true;
  Timer1.stop();
  Timer2.stop();
  Timer4.stop();
  Timer3.stop();
  hide();
  Unload();
  QCoreApplication::exit(0);
}

void Form1::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  qApp->removeEventFilter(this);
  ShowRequest();
  if (windowHandle() != nullptr) {
    windowHandle()->setKeyboardGrabEnabled(false);
    windowHandle()->setMouseGrabEnabled(false);
  }
}

}  // namespace pgw
