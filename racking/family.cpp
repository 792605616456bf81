#include "racking/family.h"

namespace zuvo::racking {

namespace {

QString stemOf(Family family)
{
    switch (family) {
    case Family::Pallet:
        return QStringLiteral("fpp");
    case Family::LightShelving:
        return QStringLiteral("fle");
    case Family::DriveIn:
        return QStringLiteral("fdr");
    case Family::SatDrive:
        return QStringLiteral("fsd");
    case Family::Cantilever:
        return QStringLiteral("fcl");
    }
    return {};
}

} // namespace

QString orderFileOf(Family family)
{
    return stemOf(family) + QStringLiteral("ord.txt");
}

QString descriptionFileOf(Family family)
{
    return stemOf(family) + QStringLiteral(".txt");
}

QString totalLabelOf(Family family)
{
    switch (family) {
    case Family::Pallet:
        return QStringLiteral("TOTALE SCAFFALATURA PORTAPALLETS");
    case Family::LightShelving:
        return QStringLiteral("TOTALE SCAFFALATURA LEGGERA");
    case Family::DriveIn:
        return QStringLiteral("TOTALE DRIVE-IN");
    case Family::SatDrive:
        return QStringLiteral("TOTALE SAT-DRIVE");
    case Family::Cantilever:
        return QStringLiteral("TOTALE CANTILEVER");
    }
    return {};
}

} // namespace zuvo::racking
