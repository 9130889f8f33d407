#pragma once

#include "dictionary/wordlists.h"
#include "platform/textfile.h"
#include "translation/mappedindex.h"

#include <QString>

#include <memory>

namespace parlora::indexcache {

// Where the index file of a dictionary is kept: the user's cache folder, under
// a name made from the dictionary's path, so that installations do not share
// one and losing it costs only the time to make it again.
QString pathFor(const QString &dictionaryFile);

// The mapped index of the dictionary, when the cache holds one that is up to
// date and sound; otherwise nothing, and the caller builds the indexes.
std::unique_ptr<MappedIndexFile> open(const QString &dictionaryFile, const QString &cacheFile);

// Writes the index of a dictionary read when the file had this stamp,
// atomically; nothing is written when the dictionary has changed since.
SaveResult write(const QString &cacheFile, const QString &dictionaryFile, const indexfile::SourceStamp &stamp,
                 const MainDictionary &dictionary, const SearchIndex &language1, const SearchIndex &language2);

} // namespace parlora::indexcache
