#pragma once

#include <QPoint>

class QWidget;

// Left edge and top edge that centre `window`, frame included, on its screen
// (the primary screen before it has one of its own).
QPoint CentredPosition(const QWidget* window);
