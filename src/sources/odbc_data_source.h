// User data sources for chosen database files: created under a name no
// existing data source has, removed when their result table closes. Only
// user data sources are written; a data source the user has is never
// overwritten or removed.
#pragma once

#include <string>
#include <vector>

#include "sources/odbc_drivers.h"

// The first free name `prefix` + n with n counting up from `sequence`;
// names in `taken` compare without regard to letter case.
std::string OdbcFreeSourceName(const std::string& prefix, int sequence, const std::vector<std::string>& taken);

// The attribute pairs written for a file of `kind`: "Database" and "DBQ"
// (the file), "DEFAULTDIR" (its folder), FoxPro's "SourceDB" and
// "SourceType", and "Description".
std::vector<std::pair<std::string, std::string>> OdbcSourceAttributes(OdbcFileKind kind, const std::string& path);

// Create a user data source for the database file at `path` with the
// driver of `kind`, named by OdbcFreeSourceName from the kind's prefix and
// `sequence`. The name, or the empty text after reporting "Cannot find
// database drive" or "Creating ODBC data source has failed".
std::string OdbcCreateDataSource(OdbcFileKind kind, int sequence, const std::string& path, std::string* driver);

// Remove a user data source this program created.
void OdbcRemoveDataSource(const std::string& name);

// The library data sources of the companion product: an entry pairs a
// library name with a database file and a description.
struct OdbcLibrarySource {
  const char* szLibrary;
  const char* szFile;
  const char* szDescription;
};
// The fixed group (empty: no companion libraries are installed with this
// program).
std::vector<OdbcLibrarySource> OdbcLibrarySourceGroup();

// Register the group as user data sources named `namePrefix` + library,
// each for `folder`/file, with the Access driver; nothing when that driver
// is missing. The names registered (for OdbcRemoveLibrarySources); -1 in
// *failed when one could not be written.
std::vector<std::string> OdbcRegisterLibrarySources(const std::vector<OdbcLibrarySource>& group,
                                                    const std::string& namePrefix, const std::string& folder,
                                                    bool* failed);
// Remove what OdbcRegisterLibrarySources registered.
void OdbcRemoveLibrarySources(const std::vector<std::string>& names);
