#pragma once

#include "common/failure.h"
#include "spreadsheet/document_lock.h"
#include "spreadsheet/workbook.h"

#include <QString>
#include <chrono>
#include <memory>

namespace zuvo::sheet {

// The office gave no answer to a call within the bound: it is given up on, and nothing more
// is sent to it through this Office; a new one must be started.
class OfficeNotAnswering : public Failure {
public:
    using Failure::Failure;
};

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

    // Whether this office has the file open for the user. A document of it that the office
    // keeps hidden was left by a program of ours that was stopped while numbering the file
    // (no one opens a hidden document by hand): it is closed, unsaved, and does not count.
    bool hasOpen(const QString& path);
    // Whether the office's lock beside a document is this office's own: written for this
    // user, on this computer, from this office's profile.
    bool wroteLock(const DocumentLock& lock);
    // True while the office answers.
    bool isAlive() const;
    // How long one call may wait for the office's answer before the office is given up on
    // (a minute unless set; a healthy office answers in milliseconds).
    void setAnswerBound(std::chrono::milliseconds bound);
    // Ends an isolated office now (the destructor does it too); a no-op for a desktop one.
    void terminate();

    struct Impl;

private:
    explicit Office(std::unique_ptr<Impl> impl);
    Workbook openFile(const QString& path, bool asTemplate, const QString& doing);
    std::unique_ptr<Impl> impl_;
};

} // namespace zuvo::sheet
