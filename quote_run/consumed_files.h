#pragma once

#include "common/file_stamp.h"

#include <QList>
#include <QString>
#include <utility>

namespace zuvo::quote {

// The data files a run consumes, each as the run found it when it read its inputs. The
// program that writes the orders may write the next order while the quotation is being
// handed over; a file that is no longer the one noted belongs to that next order.
class ConsumedFiles {
public:
    // A file the run read, as it read it; passes on what was read.
    template <typename Content>
    Content addRead(Stamped<Content> file)
    {
        files_.append(file.stamp);
        return std::move(file.content);
    }
    // A data file the run never reads, as it is now; one absent now is not the run's.
    // These go too because the program that writes an order writes them beside it and
    // takes their absence, like the order's, as the sign that the order has been quoted.
    void addUnread(const QString& name);

    // Deletes, in the order noted, each file that is still as noted. The quotation is with
    // the user by now: a file that cannot be deleted, or cannot be read back to tell, ends
    // the run with FailureAfterHandOver, naming it, once the others have gone.
    void deleteUnchanged() const;

private:
    QList<FileStamp> files_;
};

} // namespace zuvo::quote
