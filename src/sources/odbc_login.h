// The login dialog (user ID and password, kept for the rest of the run)
// and the "Connect with data source" dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sources/odbc_drivers.h"

class OdbcLoginModel final : public DialogModel {
 public:
  std::string szUser;
  std::string szPassword;
};

// Show the login dialog pre-filled with the last values; OK stores both
// (each cut to 49 characters), Cancel keeps the old ones.
void OdbcLoginRun(WindowHandle owner);

class OdbcConnectModel final : public DialogModel {
 public:
  std::vector<OdbcDataSource> sources;
  int iChosen = -1;
  std::vector<std::string> tables;  // of the chosen source
};

// Choose data source `index`: list its tables (connecting with the login
// values). 0, or -1 after reporting.
int OdbcConnectChoose(OdbcConnectModel& model, int index);

// OK of the dialog: connect to the chosen source; on success it becomes
// the query's data source (origin: existing) and the confirmation is
// shown. 0, or -1 (nothing chosen, or the connect failed and was reported).
int OdbcConnectAccept(const OdbcConnectModel& model);

// "Connect Database": the dialog, then the confirmation. 0 when a source
// was connected.
int OdbcConnectRun(WindowHandle owner);
