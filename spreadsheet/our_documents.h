#pragma once

// Private to spreadsheet/: the documents we have in an office, should we have to give up on it.

#include <QString>
#include <map>
#include <mutex>
#include <set>

namespace zuvo::sheet {

// The documents opened through one connection that are still ours: opened and not yet closed
// nor handed to the user, and those whose opening was under way, which an office that stopped
// answering may finish once it answers again. Safe to use from any thread.
class OurDocuments {
public:
    // An opening under way, of the file at `url` or of a copy of it; returns its token.
    int loading(const QString& url, bool copy);
    void loaded(int token, const QString& id);
    void notLoaded(int token);
    // A document closed, or the user's now.
    void gone(const QString& id);

    // Whether a document the office has open is ours, by its runtime id, or as the hidden
    // outcome of an opening under way; a document claimed is no longer counted.
    bool claim(const QString& id, const QString& url, bool copy, bool hidden);
    // Forgets the documents still counted by id: the office no longer has them.
    void forgetOpened();
    bool anyLeft() const;
    bool anyLoading() const;

private:
    struct Loading {
        QString url;
        bool copy = false;
    };

    mutable std::mutex mutex_;
    std::set<QString> opened_;
    std::map<int, Loading> loading_;
    int nextToken_ = 0;
};

} // namespace zuvo::sheet
