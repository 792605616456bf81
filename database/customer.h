#pragma once

#include <QString>

namespace zuvo::db {

// A row of table Clienti. A null field reads as "".
struct Customer {
    QString nome;
    QString indirizzo;
    QString cap;
    QString localita;
    QString prov;
};

} // namespace zuvo::db
