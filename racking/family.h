#pragma once

#include <QString>
#include <array>

namespace zuvo::racking {

// The five racking families, in the order every section, flag, deletion and total follows.
enum class Family { Pallet, LightShelving, DriveIn, SatDrive, Cantilever };

inline constexpr std::array kFamilyOrder = {
    Family::Pallet, Family::LightShelving, Family::DriveIn, Family::SatDrive, Family::Cantilever,
};
inline constexpr std::size_t kFamilyCount = kFamilyOrder.size();

inline constexpr int indexOf(Family family) { return static_cast<int>(family); }

// The family's order-code file ("fppord.txt"), read and consumed by a run.
QString orderFileOf(Family family);
// The family's description file ("fpp.txt"), never read, consumed by a run.
QString descriptionFileOf(Family family);
// The label of the family's section total row.
QString totalLabelOf(Family family);

// Drive-in and sat-drive lists sum their F0801 lines and charge a share of it for cutting.
inline constexpr bool hasCuttingCharge(Family family)
{
    return family == Family::DriveIn || family == Family::SatDrive;
}

} // namespace zuvo::racking
