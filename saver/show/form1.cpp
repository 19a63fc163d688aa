#include "saver/show/form1.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "saver/texts.h"

namespace pgw {

Form1::Form1(const SaverSettings& settings) : settings_(settings) {
  setWindowTitle(QString::fromLatin1(texts::kShowCaption.data(), texts::kShowCaption.size()));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setGeometry(QGuiApplication::primaryScreen()->geometry());
  setFocusPolicy(Qt::StrongFocus);
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(16, 24, 40));
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPointSize(18);
  painter.setFont(font);
  QString text = tr("Pagewheel\n\nEntries to show:\n");
  for (const std::string& page : settings_.Pages) {
    if (page.empty()) break;
    text += QString::fromLocal8Bit(page.data(), static_cast<qsizetype>(page.size())) + '\n';
  }
  text += tr("\nPress a key or click to end the show.");
  painter.drawText(rect().adjusted(60, 60, -60, -60), Qt::AlignLeft | Qt::AlignTop, text);
}

void Form1::keyPressEvent(QKeyEvent*) {
  close();
}

void Form1::mousePressEvent(QMouseEvent*) {
  close();
}

}  // namespace pgw
