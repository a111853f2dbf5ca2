#include "window/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace xi {
namespace {

constexpr int kSize = 16;

void DrawAdd(QPainter& painter) {
  painter.setBrush(QColor(0x2E, 0x8B, 0x3E));
  painter.drawRect(6, 2, 4, 12);
  painter.drawRect(2, 6, 12, 4);
}

void DrawSaveList(QPainter& painter) {
  painter.setBrush(QColor(0x2F, 0x5F, 0xAF));
  painter.drawRect(1, 1, 14, 14);
  painter.setBrush(Qt::white);
  painter.drawRect(4, 2, 8, 5);
  painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
  painter.drawRect(4, 10, 8, 5);
}

void DrawRemove(QPainter& painter) {
  painter.setBrush(QColor(0xC6, 0x28, 0x28));
  painter.drawRect(2, 6, 12, 4);
}

void DrawProcess(QPainter& painter) {
  painter.setBrush(QColor(0x2E, 0x8B, 0x3E));
  QPainterPath triangle;
  triangle.moveTo(4, 2);
  triangle.lineTo(14, 8);
  triangle.lineTo(4, 14);
  triangle.closeSubpath();
  painter.drawPath(triangle);
}

void DrawExit(QPainter& painter) {
  painter.setBrush(QColor(0x8B, 0x5A, 0x2B));
  painter.drawRect(2, 1, 8, 14);
  painter.setPen(QPen(QColor(0xC6, 0x28, 0x28), 2));
  painter.drawLine(8, 8, 15, 8);
  painter.drawLine(12, 5, 15, 8);
  painter.drawLine(12, 11, 15, 8);
}

void DrawClearAll(QPainter& painter) {
  painter.setPen(QPen(QColor(0xC6, 0x28, 0x28), 3));
  painter.drawLine(3, 3, 13, 13);
  painter.drawLine(13, 3, 3, 13);
}

}  // namespace

QIcon ToolbarIcon(ToolbarPicture picture) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  switch (picture) {
    case ToolbarPicture::Add:
      DrawAdd(painter);
      break;
    case ToolbarPicture::SaveList:
      DrawSaveList(painter);
      break;
    case ToolbarPicture::Remove:
      DrawRemove(painter);
      break;
    case ToolbarPicture::Process:
      DrawProcess(painter);
      break;
    case ToolbarPicture::Exit:
      DrawExit(painter);
      break;
    case ToolbarPicture::ClearAll:
      DrawClearAll(painter);
      break;
  }
  painter.end();
  return QIcon(pixmap);
}

}  // namespace xi
