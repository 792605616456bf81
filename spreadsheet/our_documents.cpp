#include "spreadsheet/our_documents.h"

namespace zuvo::sheet {

int OurDocuments::loading(const QString& url, bool copy)
{
    const std::lock_guard lock(mutex_);
    loading_[++nextToken_] = {url, copy};
    return nextToken_;
}

void OurDocuments::loaded(int token, const QString& id)
{
    const std::lock_guard lock(mutex_);
    loading_.erase(token);
    opened_.insert(id);
}

void OurDocuments::notLoaded(int token)
{
    const std::lock_guard lock(mutex_);
    loading_.erase(token);
}

void OurDocuments::gone(const QString& id)
{
    const std::lock_guard lock(mutex_);
    opened_.erase(id);
}

bool OurDocuments::claim(const QString& id, const QString& url, bool copy, bool hidden)
{
    const std::lock_guard lock(mutex_);
    if (opened_.erase(id))
        return true;
    if (!hidden)
        return false;
    for (auto each = loading_.begin(); each != loading_.end(); ++each) {
        if (each->second.url == url && each->second.copy == copy) {
            loading_.erase(each);
            return true;
        }
    }
    return false;
}

void OurDocuments::forgetOpened()
{
    const std::lock_guard lock(mutex_);
    opened_.clear();
}

bool OurDocuments::anyLeft() const
{
    const std::lock_guard lock(mutex_);
    return !opened_.empty() || !loading_.empty();
}

bool OurDocuments::anyLoading() const
{
    const std::lock_guard lock(mutex_);
    return !loading_.empty();
}

} // namespace zuvo::sheet
