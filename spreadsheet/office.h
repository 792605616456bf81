#pragma once

#include "spreadsheet/workbook.h"

#include <QString>
#include <memory>

namespace zuvo::sheet {

// A running LibreOffice that we drive.
class Office {
public:
    enum class Kind {
        // Headless, own temporary profile and pipe; terminated when the Office object dies.
        Isolated,
        // With a window for the user (invisible until a hand-over), on the user's profile;
        // it outlives the program so that the user keeps the quotation open.
        Desktop,
    };

    // True when LibreOffice Calc is installed on this machine.
    static bool isInstalled();
    // Starts and connects; throws zuvo::Failure with an Italian message when LibreOffice is
    // missing, dies, refuses or does not answer.
    static std::unique_ptr<Office> start(Kind kind);
    // Starts an isolated office from another office binary, as start() does.
    static std::unique_ptr<Office> startIsolated(const QString& officeBinary);

    ~Office();
    Office(const Office&) = delete;
    Office& operator=(const Office&) = delete;

    Kind kind() const;
    // Opens a file editable and hidden.
    Workbook open(const QString& path);
    // Opens a new untitled workbook based on the file: saving it never overwrites the file.
    Workbook openCopyOf(const QString& path);
    // Creates a new empty workbook (hidden).
    Workbook create();
    // True while the office answers.
    bool isAlive() const;
    // Ends an isolated office now (the destructor does it too); a no-op for a desktop one.
    void terminate();

    struct Impl;

private:
    explicit Office(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace zuvo::sheet
