#pragma once

namespace qr {

// The local date and time as days since 1899-12-30 00:00, the fraction being
// the time of day: the time stamp report files carry.
double LocalTimeAsDays();

}  // namespace qr
