#include "sources/odbc_login.h"

#include "platform/message_box.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "resources/string_table.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_catalog.h"

void OdbcLoginRun(WindowHandle owner) {
  OdbcQueryState& query = OdbcQuery();
  OdbcLoginModel model;
  model.szUser = query.szUser;
  model.szPassword = query.szPassword;
  if (RunCustomDialog(owner, "Database login", &model) != BUTTON_OK) return;
  query.szUser = model.szUser.substr(0, TextCutLength(model.szUser, ODBC_LOGIN_CHARS));
  query.szPassword = model.szPassword.substr(0, TextCutLength(model.szPassword, ODBC_LOGIN_CHARS));
}

int OdbcConnectChoose(OdbcConnectModel& model, int index) {
  model.tables.clear();
  if (index < 0 || index >= static_cast<int>(model.sources.size())) return -1;
  model.iChosen = index;
  const OdbcQueryState& query = OdbcQuery();
  OdbcHandles h;
  if (OdbcConnectForCatalogue(h, model.sources[static_cast<std::size_t>(index)].szName, query.szUser,
                              query.szPassword) != 0) {
    return -1;
  }
  const int status = OdbcListTables(h, &model.tables);
  OdbcCloseHandles(h);
  return status;
}

int OdbcConnectAccept(const OdbcConnectModel& model) {
  if (model.iChosen < 0 || model.iChosen >= static_cast<int>(model.sources.size())) return -1;
  const OdbcDataSource& source = model.sources[static_cast<std::size_t>(model.iChosen)];
  OdbcQueryState& query = OdbcQuery();
  // Success is said only after a connect that worked.
  OdbcHandles h;
  if (OdbcConnectForCatalogue(h, source.szName, query.szUser, query.szPassword) != 0) return -1;
  OdbcCloseHandles(h);
  query.szSource = source.szName;
  query.szDriver = source.szDriver;
  query.iOrigin = ODBC_ORIGIN_EXISTING;
  if (LanguageIsChinese()) {
    ReportNotice(Text(TXT_ODBC_WORKING_IN), JoinText(source.szName, " <- ", source.szDriver));
  } else {
    ReportNotice(JoinText(source.szName, " <- ", source.szDriver), Text(TXT_ODBC_CONNECTED));
  }
  return 0;
}

int OdbcConnectRun(WindowHandle owner) {
  OdbcConnectModel model;
  model.sources = OdbcListDataSources();
  if (RunCustomDialog(owner, "Connect with data source", &model) != BUTTON_OK) return -1;
  return OdbcConnectAccept(model);
}
