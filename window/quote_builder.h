#pragma once

#include <QString>

namespace zuvo::db {
class Database;
}

namespace zuvo::window {

// The three programs share one window; their designs differ in the price inputs.
enum class Program { Tavrelo, Mordisk, Pellanor };

// Set and read by the mezzanine builders during one run; the window only keeps them.
struct GroupFlags {
    bool flgParapetti = false;
    bool flgCancelli = false;
    bool flgScale = false;
};

// Everything a builder reads of the window, taken when "Genera preventivo" is pressed.
struct QuoteRequest {
    QString cliNome;
    QString cliIndirizzo;
    QString cliCap;
    QString cliLocalita;
    QString cliProv;
    QString sconto;     // the discount box as it stands
    QString trasporto;  // the transport box (Mordisk, Pellanor); "" for Tavrelo
    QString montaggio;  // the assembly box (Mordisk, Pellanor); "" for Tavrelo
};

// One program's quotation builder. The window knows only this interface, so each program
// joins the window with its own builder.
class QuoteBuilder {
public:
    virtual ~QuoteBuilder() = default;

    // Builds and hands over one quotation; throws zuvo::Failure with the user's message.
    virtual void GeneraPreventivo(const QuoteRequest& request, zuvo::db::Database& conn,
                                  GroupFlags& flags) = 0;
};

} // namespace zuvo::window
