#pragma once

#include "core/point.h"

class HudCanvas;
struct HudView;
class ScreenMap;
class Universe;

// Help in reading a fight, on the layout: a small hull bar under each damaged
// enemy in view, brackets round the objective's target, and the lead mark:
// where to aim the gun or the shockwave gun to hit the enemy nearest the aim,
// if both keep their velocities.
void drawFightAids(const Universe& universe, const HudView& view, const ScreenMap& screen, HudCanvas& canvas);

// Where to aim a shot of `speed` fired from `shooter` (which it leaves with the
// shooter's velocity added) to meet a target flying steadily; the time until
// they meet in `ms`. False when the shot can never catch it.
bool leadPoint(point shooter, point shooterVelocity, point target, point targetVelocity, float speed, point& aim,
               float& ms);
