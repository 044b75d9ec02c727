#pragma once

#include <string>

#include "core/point.h"

float square(float v);
// %g with three significant digits: 60, 59.9, 1.23e+03.
std::string toString(float v);
// True when segment a-b comes strictly closer than r to c.
bool intersectCircleLine(point a, point b, point c, float r);
point normalize(point v);
float dot(point a, point b);
// The first time t > 0 at which a shot of `speed` from the origin meets a
// target at `gap` moving at `closing`: |gap + closing t| = speed t. Not above
// 0 (or not finite) when it never does.
double interceptTime(point gap, point closing, float speed);
float pointDistance(point a, point b);
// A random world coordinate from -100000 to 99997.
float randLoc();
point gameToPixel(point p);
float gameToPixel(int n);
int pixelToGame(int n);
int pixelToGame(float v);
// Cursor in percent of the view (origin bottom-left) to world coordinates.
point mouseToGame(point m, float left, float right, float bottom, float top);
