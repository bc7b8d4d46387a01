#pragma once
// Scales a screen and everything on it by m/d: positions, sizes and fonts.

class QWidget;

void ScaleScreenBy(QWidget* screen, int numerator, int denominator);
