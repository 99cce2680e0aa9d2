#include "plugin/screen_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace rep {
namespace {

bool HasGuiApplication() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance());
}

}  // namespace

void SetWaitCursor() {
  if (!HasGuiApplication()) return;
  if (QGuiApplication::overrideCursor())
    QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void SetDefaultCursor() {
  if (!HasGuiApplication()) return;
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

bool IsWaitCursorSet() {
  if (!HasGuiApplication()) return false;
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

}  // namespace rep
