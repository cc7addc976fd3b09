#include "resources/string_table.h"

#include "resources/language.h"

namespace {

struct TextEntry {
  TextId id;
  const char* szEnglish;
  const char* szChinese;
};

// One row per text, in the order of TextId (checked at compile time).
constexpr TextEntry kTexts[] = {
    {TXT_PROGRAM_TITLE, "Cartovel", "Cartovel"},
    {TXT_CAPTION_ERROR, "Error message", "错误"},
    {TXT_CAPTION_MESSAGE, "Message", "消息"},
    {TXT_CAPTION_CONFIRM, "Message", "确认"},
    {TXT_RUN_AGAIN, "Please run the program again", "请重新运行程序"},
    {TXT_DATA_SOURCE_FAILED, "Creating Cartovel Library data source has failed",
     "创建 Cartovel Library 数据源失败"},
    {TXT_WELCOME_TO, "Welcome to ", "欢迎你使用 "},
    {TXT_NEW_TABLE, "New Table", "新数表"},
    {TXT_SAVE_CHANGES, "Save table changes ?", "保存数表更新数据 ?"},
    {TXT_REPORT_TABLE_FAILED, "Open report table failed", "打开报告数表失败"},
    {TXT_TABLE_MEMORY, "Not enough memory to open a new table window. Close a table and try again.",
     "内存不足, 无法打开新数表窗口. 请关闭一个数表后再试."},
    {TXT_PATH_TOO_LONG, "The path of the chosen file is too long (at most 255 characters).",
     "所选文件的路径太长 (最多 255 个字符)."},
    {TXT_EXAMPLE_CAPTION, "Example for Entering Math Formula", "计算公式编辑方法提示 "},
    {TXT_EXAMPLE_TEXT,
     "1. Double-click to choose an output cell (where you want to enter the formula).\r\n"
     "2. Select input cells used in the formula\r\n"
     "3. Click \"+\" button or select \"maximum()\" from Statistical functions.\r\n"
     "4. Click \"=\" button.\r\n"
     "\r\n"
     "Alternatively, after specifying the output cell, grab individual cells \r\n"
     "(select them and click \"Get cells\" button) and click on \"+\", \"-\", etc. like\r\n"
     " a normal calculator.\r\n",
     "1. 用鼠标左键双点击一个单元来显示运算结果.\r\n"
     "2. 按下鼠标左键选定参与计算的一个或多个单元.\r\n"
     "3. 鼠标点击屏幕键 (如 \"+\") 或从统计函数中选择 \"maximum()\".\r\n"
     "4. 鼠标点击 \"=\" 屏幕键.\r\n"},
    {TXT_ABOUT_CAPTION, "About", "关于"},
    {TXT_ABOUT_TEXT,
     "Cartovel " CARTOVEL_VERSION "\r\n"
     "A desktop workbench for tables of numbers: cell formulas, charts, 3D plots and trend maps.\r\n"
     "Made by the Cartovel developers.",
     "Cartovel " CARTOVEL_VERSION "\r\n"
     "桌面数据分析工作台: 数表, 计算公式, 图表, 三维图和趋势色图.\r\n"
     "Cartovel 开发组制作."},
    {TXT_HELP_NOT_OPENED, "The help page could not be opened in a web browser. Open this file by hand:\r\n",
     "无法在网页浏览器中打开帮助页面. 请手动打开此文件:\r\n"},
    {TXT_BROWSE_HINT, "Drag with right button to browse data dynamically", "按右键移动鼠标 - 驱动数据动态浏览"},
    {TXT_TARGET_CAPTION, "Target (Row,Col)", "目标 (行,列)"},
    {TXT_FORMULA_EDIT_CAPTION, "User math formula edit box", "用户计算公式编辑窗口"},
    {TXT_TABLE_SIZE_TITLE, "Table size", "表格大小"},
    {TXT_TABLE_SIZE_NORMAL_CHOICE, "Normal Row/Column", "常态行/列"},
    {TXT_TABLE_SIZE_ROWS_CHOICE, "User set number of rows", "用户设定行数"},
    {TXT_TABLE_SIZE_COLS_CHOICE, "User set number of columns", "用户设定列数"},
    {TXT_TABLE_SIZE_NORMAL_LABEL, "Normal table setting = (R", "常态表格设置= (R"},
    {TXT_TABLE_SIZE_RESET_AS, "Table will reset as (R=", "数表将重置为 (行="},
    {TXT_TABLE_SIZE_COLS_PART, ", C=", ", 列="},
    {TXT_TABLE_SIZE_TEXT_ONLY, "Data can be saved as (*.txt) file only", "数据可以记录为 (*.txt) 文件格式"},
    {TXT_TABLE_SIZE_MINIMUM, "Minimum ", "最小 "},
    {TXT_TABLE_SIZE_MAXIMUM, "Maximum ", "最大 "},
    {TXT_FILE_READ_ONLY, "Current file is read only.", "当前 文件 为只读数据, "},
    {TXT_CREATE_FILE_FAILED, "Create file failed", "创建文件失败"},
    {TXT_OPEN_FILE_FAILED, "Open file failed", "打开文件失败"},
    {TXT_FILE_BUFFER_FAILED, "GlobalAlloc file buff failed", "分配文件缓冲区失败"},
    {TXT_READ_FILE_DATA_FAILED, "Read file data failed", "读取文件数据失败"},
    {TXT_PASSWORD_INCORRECT, "The File password\r\nyou typed is incorrect", "开启文件密码\r\n你输入的不正确"},
    {TXT_PASSWORD_EMPTY, "Please type a password: a private file without one could never be opened again.",
     "请输入密码: 没有密码的个人文件以后无法打开."},
    {TXT_FILE_NAME_TOO_LONG, "The file name is too long (at most 399 bytes).", "文件名太长 (最多 399 字节)."},
    {TXT_FIELDS_UNDECODABLE_1, "Cells of the private file that could not be decoded were left empty: ",
     "个人文件中无法解码的单元已留空: "},
    {TXT_FIELDS_UNDECODABLE_2, "", " 个"},
    {TXT_PRIVATE_TITLE, "Private File control", "个人文件控制"},
    {TXT_PRIVATE_PASSWORD_LABEL, "Password", "密码"},
    {TXT_PLOT_CONTROL_TITLE, "Plot window control", "图视窗控制"},
    {TXT_PLOT_NEW_WINDOW, "Open plots in new window ", "在新视窗中打开图 "},
    {TXT_PLOT_MONITOR_NOTE, "( For multiple monitors )", "( 用于多显示器 )"},
    {TXT_PLOT_CURRENT_WINDOW, "Open plots in current window", "在当前视窗中打开图"},
    {TXT_OK, "OK", "确定"},
    {TXT_CANCEL, "Cancel", "取消"},
    {TXT_MENU_FILE, "File", "文件"},
    {TXT_MENU_VIEW, "View", "显示"},
    {TXT_MENU_HELP, "Help", "帮助"},
    {TXT_MENU_OPEN_FILE, "Open ...", "打开..."},
    {TXT_MENU_NEW, "New ...", "新表格"},
    {TXT_MENU_NEW_CUSTOM, "New Custom Size Table", "新用户行列数表格"},
    {TXT_MENU_SAVE, "Save", "保存"},
    {TXT_MENU_SAVE_AS, "Save As ...", "另存为 ..."},
    {TXT_MENU_SAVE_PRIVATE, "Save Private File ", "保存个人文件"},
    {TXT_MENU_EXIT, "Exit", "退出"},
    {TXT_MENU_PLOT_CONTROL, "Plot window control", "图视窗控制"},
    {TXT_MENU_ABOUT, "About", "关于"},
    {TXT_MENU_HELP_PAGE, "Help", "帮助"},
    {TXT_MENU_EXAMPLE, "Example for Entering Math Formula", "计算公式编辑方法提示"},
    {TXT_MENU_DATABASE, "Database", "数据库"},
    {TXT_MENU_EDIT, "Edit", "编辑"},
    {TXT_MENU_TOOLS, "Tools", "工具"},
    {TXT_MENU_OPEN_MODAS, "Open sea Modas file", "打开海洋Modas文件 "},
    {TXT_MENU_OPEN_NETCDF, "Open NetCDF file", "打开NetCDF文件 "},
    {TXT_MENU_OPEN_STOCK, "Open Stock History File", "打开股票历史文件"},
    {TXT_MENU_PRINT, "Print", "打印"},
    {TXT_MENU_OPEN_ACCESS, "Open MS-Access", "打开 MS-Access"},
    {TXT_MENU_OPEN_DBASE, "Open dBase", "打开 dBase"},
    {TXT_MENU_OPEN_FOXPRO, "Open FoxPro", "打开 FoxPro"},
    {TXT_MENU_OPEN_PARADOX, "Open Paradox", "打开 Paradox"},
    {TXT_MENU_CONNECT_DATABASE, "Connect Database", "连接数据库"},
    {TXT_MENU_OPEN_DATABASE_TABLE, "Open Database Table", "打开数据库表格"},
    {TXT_MENU_UNDO, "Undo", "撤消"},
    {TXT_MENU_FIND, "Find data", "查找数据"},
    {TXT_MENU_SELECT_ALL, "Select all", "选择全部"},
    {TXT_MENU_COPY, "Copy", "复制"},
    {TXT_MENU_CUT, "Cut", "剪切"},
    {TXT_MENU_PASTE, "Paste", "粘贴"},
    {TXT_MENU_DELETE, "Delete ...", "删除"},
    {TXT_MENU_INSERT, "Insert ...", "插入"},
    {TXT_MENU_DATA_PROPERTY, "Set data property", "设置数据属性"},
    {TXT_MENU_BACK_HOME, "Back to Home", "返回起点"},
    {TXT_MENU_GO_TO, "Go to ...", "跳转 ..."},
    {TXT_MENU_RESET_VIEW, "Reset data view", "重置数据显示"},
    {TXT_MENU_RESET_COLOUR, "Reset data color", "重置数据颜色"},
    {TXT_MENU_DISPLAY_STYLE, "Display style", "显示风格"},
    {TXT_MENU_BORDER_LINE, "Border line", "绘制边界"},
    {TXT_MENU_BORDER_COLOUR, "Border color", "设置边界色"},
    {TXT_MENU_CLEAR_BORDER, "Clear border", "清除边界"},
    {TXT_MENU_BACKGROUND_COLOUR, "Background color", "设置背景色"},
    {TXT_MENU_CLEAR_BACKGROUND, "Clear background color", "清背景色"},
    {TXT_MENU_TREND, "Data trend color analysis", "数据趋势彩色分析"},
    {TXT_MENU_DATA_COUNT, "Data count ...", "数据统计 ..."},
    {TXT_MENU_DATA_PROCESS, "Data process ...", "数据处理 ..."},
    {TXT_MENU_TRANSPOSE, "Transpose (R,C)", "转置 (行,列)"},
    {TXT_MENU_OPEN_PLUGIN, "Open plug-in", "打开插入功能库 "},
    {TXT_MENU_OPEN_NETCDF_LIBRARY, "Open NetCDF.DLL", "打开 NetCDF.DLL 插入功能库 "},
    {TXT_MENU_ABOUT_PLUGIN, "About Plug-in", "关于插入功能库"},
    {TXT_COMMAND_NOT_AVAILABLE, "This command is not available yet.", "此功能暂时还不能使用."},
    {TXT_FORMULA_CAPTION_UNKNOWN_NAME, "Unknown math function name", "未知数学函数名"},
    {TXT_FORMULA_CAPTION_COMMA, "Should not be comma between arguments", "参数之间不应有逗号"},
    {TXT_FORMULA_CAPTION_UNKNOWN_DATA, "Unknown math function data", "未知数学函数数据"},
    {TXT_FORMULA_CAPTION_UNKNOWN_OPERATOR, "Unknown math operator", "未知数学运算符"},
    {TXT_FORMULA_UNKNOWN_NAME, "%1(...)", "%1(...)"},
    {TXT_FORMULA_CALL_UNCLOSED, "%1(... missing \")\" ", "%1(... 缺少 \")\" "},
    {TXT_FORMULA_MISSING_BEFORE, "???%1(...)\r\nMissing +, -, *, /, ^, or (", "???%1(...)\r\n缺少 +, -, *, /, ^, 或 ("},
    {TXT_FORMULA_MISSING_AFTER, "%1(...)???\r\nMissing +, -, *, /, ^, or )", "%1(...)???\r\n缺少 +, -, *, /, ^, 或 )"},
    {TXT_FORMULA_MISSING_INSIDE, "%1( ??? )\r\nmissing data", "%1( ??? )\r\n缺少数据"},
    {TXT_FORMULA_COMMA_IN_CALL, "%1(  \",\"  )", "%1(  \",\"  )"},
    {TXT_FORMULA_GROUP_UNCLOSED, "%1... missing \")\" ", "%1... 缺少 \")\" "},
    {TXT_FORMULA_LEADING_OPERATOR, "Missing \"???%1\" data", "缺少数据 \"???%1\""},
    {TXT_FORMULA_TRAILING_OPERATOR, "Missing data \"%1???\"", "缺少数据 \"%1???\""},
    {TXT_FORMULA_MISSING_OPERAND, "Missing data %1%2%3", "缺少数据 %1%2%3"},
    {TXT_FORMULA_NO_LEFT_OPERAND, "\"??? ", "\"??? "},
    {TXT_FORMULA_NO_RIGHT_OPERAND, " ???\"", " ???\""},
    {TXT_FORMULA_LEADING_COMMA, "Missing \"???,\"  data", "缺少数据 \"???,\""},
    {TXT_FORMULA_TRAILING_COMMA, "Missing data\",???\"", "缺少数据 \",???\""},
    {TXT_FORMULA_EMPTY_ARGUMENT, "Missing data between \",\"", "\",\" 之间缺少数据"},
    {TXT_FORMULA_NOT_REFERENCE, "%1\r\nMissing +, -, *, /, ^, or ( )", "%1\r\n缺少 +, -, *, /, ^, 或 ( )"},
    {TXT_FORMULA_OUTSIDE_TABLE, "%1\r\nMissing Table (iRp, iCp)", "%1\r\n不在数表内 (iRp, iCp)"},
    {TXT_FORMULA_MATRIX_MIXED, "%1 mixed with %2 is not supported", "%1 与 %2 混合使用不被支持"},
    {TXT_FORMULA_QUOTE_UNPAIRED, "\" ... need \"", "\" ... 需要 \""},
    {TXT_FORMULA_CHECK_UNKNOWN_NAME, "%1TableCheckMathFunctionName (...)", "%1TableCheckMathFunctionName (...)"},
    {TXT_FORMULA_CONDITION_UNPAIRED, "count_if() or sum_if()missing (\")\r\n %1", "count_if() 或 sum_if() 缺少 (\")\r\n %1"},
    {TXT_FORMULA_CONDITION_TOO_LONG, "The condition between quotes is too long (at most 519 characters).",
     "引号之间的条件太长 (最多 519 个字符)."},
    {TXT_FORMULA_QUESTION_MARK, "... \"?\" ...", "... \"?\" ..."},
    {TXT_FORMULA_COMMA_OUTSIDE_CALL, "... \",\" ...", "... \",\" ..."},
    {TXT_FORMULA_TOO_LONG, "The formula is too long to be worked out.", "计算公式太长, 无法计算."},
    {TXT_REGISTRY_CAPTION_ERROR, "Error message", "错误信息"},
    {TXT_REGISTRY_NO_FORMULA, "Math Formula not found", "未找到计算公式"},
    {TXT_REGISTRY_SELF_REFERENCE, "Result (%1) included in Math Formula,\r\nwill lead to infinite loop!",
     "结果项 (%1) 出现在计算公式内,\r\n它将导致无法终止的循环计算操作!"},
    {TXT_REGISTRY_FULL, "Number of Math Formulas in table exceeds supported maximum.", "表中计算公式的数目超出了支持的最大值."},
    {TXT_REGISTRY_MENU_VIEW, "View", "查阅 "},
    {TXT_REGISTRY_MENU_DELETE, "Delete", "删除 "},
    {TXT_REGISTRY_MENU_INACTIVE, "Inactive", "待用 "},
    {TXT_REGISTRY_MENU_RUN, "Run", "执行 "},
    {TXT_POPUP_ROW_LOCK, "Row Positon Lock", "行 位置锁定"},
    {TXT_POPUP_COL_LOCK, "Column Positon Lock", "列 位置锁定"},
    {TXT_POPUP_HIDE, "Hide", "消隐"},
    {TXT_POPUP_DELETE, "Delete ...", "删除"},
    {TXT_POPUP_INSERT, "Insert ...", "插入"},
    {TXT_POPUP_COPY, "Copy", "复制"},
    {TXT_POPUP_CUT, "Cut", "剪切"},
    {TXT_POPUP_PASTE, "Paste", "粘贴"},
    {TXT_POPUP_CALL_PLUGIN, "Call Plug-in functions", "调用插入功能库"},
    {TXT_POPUP_FIND, "Find data", "查找数据"},
    {TXT_POPUP_SORT, "Sort data", "排序数据"},
    {TXT_POPUP_DATA_PROPERTY, "Set data property", "设置数据属性"},
    {TXT_POPUP_VIEW_2D, "View 2D plot", "数据二维图"},
    {TXT_POPUP_VIEW_3D, "View 3D plot", "数据三维图"},
    {TXT_POPUP_TREND, "Data trend color analysis", "数据趋势彩色分析"},
    {TXT_POPUP_DECLARE_X, "Declare as X coordinate", "约定 X 坐标"},
    {TXT_POPUP_DECLARE_Y, "Declare as Y coordinate", "约定 Y 坐标"},
    {TXT_POPUP_DECLARE_Z, "Declare as Z coordinate", "约定 Z 坐标"},
    {TXT_POPUP_REMOVE_COORDINATE, "Remove Coordinate", "清除坐标约定"},
    {TXT_BAR_STATES, "Edit\nDelete\nInactive\nRun", "编辑\n删除\n待用\n执行"},
    {TXT_BAR_FULL_PRECISION, "Full precision", "全精度"},
    {TXT_BAR_MATH_HEADER, "Math functions", "数学函数列表"},
    {TXT_BAR_MATH_ENTRIES,
     "acos(arc)\nasin(arc)\natan(arc)\natan2(x,y)\ncos(arc)\ncosh(arc)\ndegrees(arc)\nexp(arg)\nfabs(num)\n"
     "ln(num)\nlog(num)\nlog10(num)\npow(num,exp)\nradians(degrees)\nsin(arc)\nsinh(arc)\nsqrt(num)\n"
     "tan(arc)\ntanh(arc)",
     "acos(弧度)\nasin(弧度)\natan(弧度)\natan2(横坐标,纵坐标)\ncos(弧度)\ncosh(弧度)\ndegrees(弧度)\n"
     "exp(参数)\nfabs(数值)\nln(数值)\nlog(数值)\nlog10(数值)\npow(底数,指数)\nradians(角度)\nsin(弧度)\n"
     "sinh(弧度)\nsqrt(数值)\ntan(弧度)\ntanh(弧度)"},
    {TXT_BAR_STATS_HEADER, "Stats & Matrix functions", "统计 & 矩阵函数列表"},
    {TXT_BAR_STATS_ENTRIES,
     "average(num1,num2,...)\ncount(num1,num2,...)\ncount_if(N1:Nn,if)\nmaximum(num1,num2,...)\n"
     "median(num1,num2,...)\nminimum(num1,num2,...)\nsum(num1,num2,...)\nsum_if(C1:Cn,if,N1:Nn)\n"
     "m_determ(R:C)\nm_inverse(R:C)\nm_minus(R:C,r:c)\nm_mult(R:C,r:c)\nm_plus(R:C,r:c)\nm_transp(R:C)",
     "average(D1,D2,...) 平均值\ncount(D1,D2,...) 计数\ncount_if(N1:Nn,if) 条件计数\n"
     "maximum(D1,D2,...) 最大值\nmedian(D1,D2,...) 中位数\nminimum(D1,D2,...) 最小值\nsum(D1,D2,...) 求和\n"
     "sum_if(C1:Cn,if,N1:Nn) 条件求和\nm_determ(R:C) 矩阵行列式\nm_inverse(R:C) 逆矩阵\n"
     "m_minus(R:C,r:c) 矩阵相减\nm_mult(R:C,r:c) 矩阵相乘\nm_plus(R:C,r:c) 矩阵相加\nm_transp(R:C) 转置矩阵"},
    {TXT_BAR_UPPER_LABELS,
     "Open|...\nFind|...\nBack|home\nTrend|view\nZoom|in [F2]\nZoom|out [F1]\nImage|Pixel\nSel.|all\n"
     "Copy|...\nPrint|...",
     "打开|...\n查找|...\n返回|起点\n趋势|分析\n放大|F2键\n缩小|F1键\n像素|特征\n全选|\n拷贝|...\n打印|..."},
    {TXT_BAR_GET_CELLS, "Get cells", "调用单元"},
    {TXT_BAR_VIEW_CELLS, "View cells", "查阅单元"},
    {TXT_BAR_TIPS,
     "Set selected cell(s) background color\n"
     "Set selected cell(s) border color\n"
     "Add  +  with selected cell(s) to math formula edit box\n"
     "Add  -  with selected cell(s) to math formula edit box\n"
     "Add  *  with selected cell(s) to math formula edit box\n"
     "Add  /  with selected cell(s) to math formula edit box\n"
     "Add  ^  with selected cell(s) to math formula edit box\n"
     "Add  ( )  with selected cell(s) to math formula edit box\n"
     "Add  if (logical_test, value_if_true, value_if_false)  with selected cell(s) to math formula edit box\n"
     "Run current math formula\n"
     "Add selected cell(s) to math formula edit box\n"
     "Highlight cell(s) used by math formula in table",
     "设置已选定单元背景色\n"
     "设置已选定单元边框颜色\n"
     "将已选定单元以  +  连接加入计算公式编辑窗口\n"
     "将已选定单元以  -  连接加入计算公式编辑窗口\n"
     "将已选定单元以  *  连接加入计算公式编辑窗口\n"
     "将已选定单元以  /  连接加入计算公式编辑窗口\n"
     "将已选定单元以  ^  连接加入计算公式编辑窗口\n"
     "将已选定单元以  ( )  括起加入计算公式编辑窗口\n"
     "将  if (逻辑条件, 条件成立时的值, 条件不成立时的值)  与已选定单元加入计算公式编辑窗口\n"
     "执行当前计算公式\n"
     "将已选定单元加入计算公式编辑窗口\n"
     "在数表中突出显示计算公式所用的单元"},
    {TXT_BAR_TOO_LONG, "Math Formula too long", "算式过长"},
    {TXT_IMPORT_TOO_LARGE, "Open file size is too large.", "打开的文件太大."},
    {TXT_IMPORT_NO_READER, "This kind of file cannot be opened yet.", "暂时还不能打开这类文件."},
    {TXT_IMPORT_FILE_CHANGED, "The file has changed since it was opened: its detailed data cannot be read.",
     "文件在打开后已被改动: 无法读出详细数据."},
    {TXT_IMPORT_DELIMITER_ASCII, "The delimiter must be a single-byte character: a letter, digit or sign of ASCII.",
     "分隔符必须是单字节字符: ASCII 字母, 数字或符号."},
    {TXT_IMPORT_NOTE_CAPTION, "Note", "提示"},
    {TXT_IMPORT_SAMPLED_NOTE,
     "File exceeds spreadsheet row/column limit,\r\n"
     "data will be sampled to fit in spreadsheet.\r\n"
     "(You can re-sample later)\r\n",
     "该文件超出表格行/列限制,\r\n"
     "数据将采用抽样方法读入表格\r\n\r\n"
     "(你可后续抽样再读出更详细数据)\r\n"},
    {TXT_IMPORT_READ_ONLY, " (Read only)", " (只读操作)"},
    {TXT_INFO_FILE_SIZE, "FileSizeRC(", "FileSizeRC("},
    {TXT_INFO_ROW_STEP, "R step=", "R step="},
    {TXT_INFO_COL_STEP, "C step=", "C step="},
    {TXT_INFO_BOTH_STEP, "R,C step=", "R,C step="},
    {TXT_INFO_START_ROW, "FileStartR=", "FileStartR="},
    {TXT_INFO_START_COL, "FileStartC= ", "FileStartC= "},
    {TXT_INFO_START_BOTH, "FileStartRC=", "FileStartRC="},
    {TXT_DETAIL_CAPTION_CONFIRM, "Confirmation", "确认"},
    {TXT_DETAIL_REMOVE_ASK, "Do you want to remove data from\r\n", "你是否要删除下列数据\r\n"},
    {TXT_DETAIL_REMOVE_ROW, "Row=[", "行=["},
    {TXT_DETAIL_REMOVE_COL, "Column=[", "列=["},
    {TXT_MENU_GET_DETAIL, "Get detailed data", "提取详细数据"},
    {TXT_MENU_REMOVE_DETAIL, "Remove detailed data", "清除详细数据"},
    {TXT_WIZARD_TITLE, "Text Import Wizard", "加载数据控制"},
    {TXT_WIZARD_INTRO,
     "This screen lets you set the delimiter you data contains,  you can see your data in the preview below.",
     "本窗口用于设置数据所用的分隔符, 你可在下面的预览中看到你的数据."},
    {TXT_WIZARD_SELECT, "Select delimiter", "选择分隔符"},
    {TXT_WIZARD_TAB, "Tab", "制表符"},
    {TXT_WIZARD_SEMICOLON, "Semicolon", "分号"},
    {TXT_WIZARD_COMMA, "Comma", "逗号"},
    {TXT_WIZARD_SPACE, "Space", "空格"},
    {TXT_WIZARD_OTHER, "Other", "其他"},
    {TXT_WIZARD_PREVIEW, "Data preview", "数据预览"},
    {TXT_WIZARD_MERGE, "Treat consecutive delimiters as one", "连续分隔符视为一个"},
    {TXT_FILE_CELLS_CUT,
     "The file has more rows or columns than a table can hold; the cells beyond the table were not read.",
     "该文件的行或列超出表格所能容纳的范围, 表格以外的单元未读入."},
    {TXT_LONG_TEXTS_LOST,
     "Memory overflow: there was not enough memory to keep every text. Cells that show \"Memory overflow\" "
     "lost their text.",
     "内存溢出: 内存不足, 无法保存全部文本. 显示 \"Memory overflow\" 的单元丢失了文本."},
    {TXT_FILE_HARD_LINKED,
     "The file has other names (hard links) that would go on showing the old table; save it under a new name.",
     "该文件还有其他名称 (硬链接), 它们将继续显示旧的表格; 请以新的文件名保存."},
    {TXT_FORMULAS_TOO_LONG_1, "Math formulas longer than 999 characters were not read: ", "超过 999 个字符的计算公式未读入: "},
    {TXT_FORMULAS_TOO_LONG_2, "", " 个"},
    {TXT_TEXTS_CUT_1, "Cell texts longer than 999 bytes were cut to 999 bytes: ", "超过 999 字节的单元文本被截为 999 字节: "},
    {TXT_TEXTS_CUT_2, "", " 个"},
    // Data trend colour analysis.
    {TXT_TREND_TITLE, "Data trend color analysis", "数据趋势 - 染色分析"},
    {TXT_TREND_COLOUR_SET, "Select color set", "指定色彩资源"},
    {TXT_TREND_HUE, "Hue:", "色度区间:"},
    {TXT_TREND_DATA_VALUE, "<-- data value -->", "<-- 数值 -->"},
    {TXT_TREND_HEIGHT, "Height", "高"},
    {TXT_TREND_LOW, "Low", "低"},
    {TXT_TREND_SHADED, "Shaded 3D", "阴影浮雕三维"},
    {TXT_TREND_RELEVANCE, "Data relevance", "数据比较方法"},
    {TXT_TREND_ALL_DATA, "All data", "所有数据相互比较"},
    {TXT_TREND_ROW, "Row independent", "行单元内数据相互比较"},
    {TXT_TREND_COLUMN, "Column independent", "列单元内数据相互比较"},
    {TXT_TREND_MAP_TITLE, "Data trend color ->", "数据趋势彩色图 ->"},
    // Cell presentation commands.
    {TXT_CAPTION_ERROR_SHORT, "Error", "错误"},
    {TXT_MULTIPLE_SELECTION,
     "The command you chose cannot be performed\r\nwith multiple seletions.\r\n\r\nSelect a single range and "
     "click the\r\ncommand again.",
     "在多个选择情况下, 你的命令无法执行.\r\n\r\n请选择一个区域, 再点击命令."},
    {TXT_DATA_PROPERTY_TITLE, "Set data property", "设置数据属性"},
    {TXT_DATA_PROPERTY_GROUP, "Data property", "数据属性"},
    {TXT_DATA_PROPERTY_LABEL, "Unit/label", "单位/标签"},
    {TXT_DATA_PROPERTY_PREFIX, "Add as prefix", "加为前缀"},
    {TXT_DATA_PROPERTY_POSTFIX, "Add as postfix", "加为后缀"},
    {TXT_DATA_PROPERTY_REMOVE, "Remove", "删除"},
    {TXT_DATA_PROPERTY_ADJUSTMENT, "Data adjustment", "数据调整"},
    {TXT_DATA_PROPERTY_IGNORE, "Ignore", "忽略"},
    {TXT_DATA_PROPERTY_PARAMETER, "Parameter", "参数"},
    {TXT_DATA_PROPERTY_PARAMETER_ZERO, "Parameter = 0", "参数 = 0"},
    {TXT_DATA_PROPERTY_BAD_PARAMETER, "Parameter is not a number", "参数不是数字"},
    {TXT_DISPLAY_STYLE_TITLE, "Display style", "显示风格"},
    {TXT_DISPLAY_STYLE_ALIGNMENT, "Alignment", "对齐"},
    {TXT_DISPLAY_STYLE_LEFT, "Align left", "靠左"},
    {TXT_DISPLAY_STYLE_CENTER, "Center", "中间"},
    {TXT_DISPLAY_STYLE_RIGHT, "Align right", "靠右"},
    {TXT_DISPLAY_STYLE_STYLE, "Style", "风格"},
    {TXT_DISPLAY_STYLE_REGULAR, "Regular", "正常"},
    {TXT_DISPLAY_STYLE_BOLD, "Bold", "粗体"},
    {TXT_DISPLAY_STYLE_DEFAULT, "By default setting", "默认设置"},
    {TXT_DISPLAY_STYLE_NO_WEIGHT, "Display style = Regular / Bold ?", "显示风格 = 正常 / 粗体 ?"},
    {TXT_DISPLAY_STYLE_NO_ALIGNMENT, "Display style =  Align left / Center / Align right ?",
     "显示风格 = 靠左 / 中间 / 靠右 ?"},
    {TXT_BORDER_LINE_TITLE, "Border line", "边框线"},
    {TXT_BORDER_LINE_OPTIONS, "Options", "选项"},
    {TXT_BORDER_LINE_TOP, "Top", "上"},
    {TXT_BORDER_LINE_BOTTOM, "Bottom", "下"},
    {TXT_BORDER_LINE_LEFT, "Left", "左"},
    {TXT_BORDER_LINE_RIGHT, "Right", "右"},
    // Range editing, the clipboard and undo.
    {TXT_READ_UNDO_FAILED, "Read Undo back-up file failed", "读取撤消备份文件失败"},
    {TXT_NO_ROOM_FOR_INSERT, "No free room for insert", "没有可供插入的空间"},
    {TXT_COPY_CAPTION, "Message", "提示"},
    {TXT_COPY_WITH_FORMULA, "Do you want to copy data with math formula?\r\n\r\nOtherwise it will copy data only.",
     "你是否要复制数据及其附加计算公式?\r\n\r\n否则将仅复制数据."},
    // The browse panel of a coloured table.
    {TXT_BROWSE_CURRENT, "Current [Row, Col]=[", "当前 [行, 列]=["},
    {TXT_BROWSE_DATA_MAX, "Data Max= ", "数据 最大值= "},
    {TXT_BROWSE_MIN, "Min= ", "最小值= "},
    // NetCDF import.
    {TXT_NC_CAPTION_ERROR_MESSAGE, "Error Message", "错误信息"},
    {TXT_NC_CAPTION_ERROR, "Error", "错误"},
    {TXT_NC_NO_LIBRARY_FILE, "Error = GetDLLFileName( hWnd, 'dll' )", "Error = GetDLLFileName( hWnd, 'dll' )"},
    {TXT_NC_LOAD_FAILED, "Error = LoadNetCDF_DLL_Library()", "Error = LoadNetCDF_DLL_Library()"},
    {TXT_NC_MISSING_ENTRY, "Hand = NULL, PlugInLib->fpCallDLL_", "Hand = NULL, PlugInLib->fpCallDLL_"},
    {TXT_NC_LIBRARY_FILTER, "NetCDF library (*.so *.so.*)", "NetCDF 功能库 (*.so *.so.*)"},
    {TXT_NC_NO_SYSTEM_LIBRARY, "No netCDF library was found on this system (libnetcdf.so.19). Install libnetcdf19 or choose a library with \"Open NetCDF.DLL\".", "系统中未找到 netCDF 功能库 (libnetcdf.so.19). 请安装 libnetcdf19, 或用 \"打开 NetCDF.DLL\" 选择功能库."},
    {TXT_NC_OPEN_FAILED, " ->  fpCallDLL_nc_open", " ->  fpCallDLL_nc_open"},
    {TXT_NC_INQ_FAILED, "fpCallDLL_nc_inq()", "fpCallDLL_nc_inq()"},
    {TXT_NC_DIM_FAILED, "fpCallDLL_nc_inq_dimname()", "fpCallDLL_nc_inq_dimname()"},
    {TXT_NC_VAR_FAILED, "fpCallDLL_nc_inq_var()", "fpCallDLL_nc_inq_var()"},
    {TXT_NC_VARID_FAILED, "fpCallDLL_nc_inq_varid()", "fpCallDLL_nc_inq_varid()"},
    {TXT_NC_URL_REFUSED, "Only local files can be opened, not an address: ", "只能打开本地文件, 不能打开网络地址: "},
    {TXT_NC_LISTED, "Listed ", "已列出 "},
    {TXT_NC_LISTED_OF, " of ", " / "},
    {TXT_NC_LISTED_VARIABLES, " variables", " 个变量"},
    {TXT_NC_TOO_MANY_DIMS, "var->DimensionN", "var->DimensionN"},
    {TXT_NC_NO_VARIABLES, "The file has no variables to read.", "文件中没有可读的变量."},
    {TXT_NC_OPTION_TITLE, "NetCDF file option", "NetCDF 文件控制"},
    {TXT_NC_DIMENSION_OPTIONS, "Dimension options", "维度选项"},
    {TXT_NC_ALL, "All", "全部"},
    {TXT_NC_SAMPLED, "Sampled", "抽样"},
    {TXT_NC_SAMPLED_SPACING, "Sampled spacing", "抽样间隔"},
    {TXT_NC_RECORD_RANGE, "Record Number ( From, To )", "记录号 ( 从, 到 )"},
    {TXT_NC_START_RECORD, "Start record number", "起始记录号"},
    {TXT_NC_END_RECORD, "End record number", "结束记录号"},
    {TXT_NC_SET, "Set", "设定"},
    {TXT_NC_DIMENSIONS_N, "Dimensions N = ", "维度数 N = "},
    {TXT_NC_SELECTED, "Selected = ", "已选 = "},
    {TXT_NC_LENGTH, " length = ", " 长度 = "},
    {TXT_NC_SELECT_VARIABLES, "Select read Variables", "选择读入的变量"},
    {TXT_NC_V1, " Variables:  V1( D1 )", " 变量:  V1( D1 )"},
    {TXT_NC_V2, "V2( D1, D2 )", "V2( D1, D2 )"},
    {TXT_NC_V3, "V3( D1, D2, D3 )", "V3( D1, D2, D3 )"},
    {TXT_NC_V4, "V4( D1, D2, D3, D4 )", "V4( D1, D2, D3, D4 )"},
    {TXT_NC_ATTRIBUTE, "Attribute:", "属性:"},
    {TXT_NC_RECORD_N, "Dimension record N = ", "维度记录数 N = "},
    {TXT_NC_TABLE_LIMIT, "Table limitation = 2000", "表格限制 = 2000"},
    {TXT_NC_SELECTED_VARS, "Selected variables N = ", "已选变量数 N = "},
    {TXT_NC_IMAGE_DATA, "Image data", "图像数据"},
    {TXT_NC_ADJUST_SIZE, "Adiust table ( Row, Column ) size", "调整表格 ( 行, 列 ) 大小"},
    {TXT_NC_SELECT_AREA, "Select Area", "选择区域"},
    {TXT_NC_SELECT_TIME, "Select Time", "选择时间"},
    {TXT_NC_NEED_V1, "Need select item(s) in Variables( D1 )", "需要在 Variables( D1 ) 中选择变量"},
    {TXT_NC_NEED_V2, "Need select item(s) in Variables( D2 )", "需要在 Variables( D2 ) 中选择变量"},
    {TXT_NC_NEED_V3, "Need select item(s) in Variables( D3 )", "需要在 Variables( D3 ) 中选择变量"},
    {TXT_NC_IMAGE_TITLE, "Image data option", "NetCDF 图像文件控制"},
    {TXT_NC_IMAGE_COLUMN, "Column ( 1, 2, 3 ... )", "列 ( 1, 2, 3 ... )"},
    {TXT_NC_IMAGE_ROW, "Row ( 1, 2, 3 ... )", "行 ( 1, 2, 3 ... )"},
    {TXT_NC_AREA_TITLE, "Select Area", "选择区域"},
    {TXT_NC_TARGET_AREA, "Target Area", "目标区域"},
    {TXT_NC_LATITUDE, "Latitude", "纬度"},
    {TXT_NC_LONGITUDE, "Longitude", "经度"},
    {TXT_NC_DELIMIT, "Delimit boundaries", "界定边界"},
    {TXT_NC_TIME_TITLE, "Time option", "设定目标时间"},
    {TXT_NC_TIME_TARGET, "Target :", "目标 :"},
    {TXT_NC_TIME_BEGIN, "Begin:", "开始:"},
    {TXT_NC_TIME_END, "End:", "结束:"},
    {TXT_NC_TIME_FORMAT, "Format:  yyyy-mm-dd+hh:mm:ss#", "格式:  yyyy-mm-dd+hh:mm:ss#"},
    {TXT_NC_TIME_EXAMPLE, "Example:  2010-12-30+13:59:30#", "例如:  2010-12-30+13:59:30#"},
    {TXT_NC_BAD_BEGIN, "Error->Begin( Time )", "Error->Begin( Time )"},
    {TXT_NC_BAD_END, "Error->End( Time )", "Error->End( Time )"},
    {TXT_NC_ROW_OVERFLOW, "Table Row overflow", "Table Row overflow"},
    {TXT_NC_COLUMN_OVERFLOW, "Table Column overflow", "Table Column overflow"},
    {TXT_NC_BOTH_OVERFLOW, "Table Row & Column overflow", "Table Row & Column overflow"},
    {TXT_NC_UNKNOWN_VARIABLE, "No variable of this name in the file: ", "文件中没有这个变量: "},
    {TXT_NC_OUTER_DIMENSIONS, "The variables do not share their outer dimensions: ", "这些变量的外层维度不同: "},
    // Sort, find, data count and data processing.
    {TXT_SORT_TITLE, "Sort", "排序"},
    {TXT_SORT_BY, "Sort by", "排序基于"},
    {TXT_SORT_ORDER, "Order by", "排序方法"},
    {TXT_SORT_ASCENDING, "Ascending", "数值递增"},
    {TXT_SORT_DESCENDING, "Descending", "数值递减"},
    {TXT_SORT_CLICKED, "Right-clicked on cell (R", "鼠标右点击在项 (R"},
    {TXT_SORT_ROW_PREFIX, "Row ", "行 "},
    {TXT_SORT_COLUMN_PREFIX, "Column ", "列 "},
    {TXT_SORT_NOT_NUMERIC, "Sorting row/col contains non numeric data (not supported).", "被排序的数组中含有非数据类型 "},
    {TXT_FIND_TITLE, "Find data", "数据查询"},
    {TXT_FIND_TARGET, "Select target range", "查找方式"},
    {TXT_FIND_LABEL, "Find value/text:", "查找目标"},
    {TXT_FIND_ABOVE, "Above", "高于阀值"},
    {TXT_FIND_BELOW, "Below", "低于阀值"},
    {TXT_FIND_NOT_EQUAL, "Not Equal", "不等于阀值"},
    {TXT_FIND_EQUAL, "Equal", "等于阀值"},
    {TXT_FIND_BETWEEN, "Between", "在两阀值域内"},
    {TXT_FIND_STYLE, "Highlight target style", "结果显示风格"},
    {TXT_FIND_SINGLE, "Single-color", "单色突显"},
    {TXT_FIND_MULTI, "Multi-color", "多色突显"},
    {TXT_FIND_SET_COLOUR, "Set highlight color", "突显用色"},
    {TXT_FIND_NOT_FOUND_1, "Cannot find string \"", "没有找到字符串 \""},
    {TXT_FIND_NOT_FOUND_2, "\"", "\""},
    {TXT_COUNT_TITLE, "Count options", "统计选项"},
    {TXT_COUNT_CONDITION, "Select target condition ", "选择目标条件 "},
    {TXT_COUNT_NO_CONDITION, "No Condition", "无条件"},
    {TXT_COUNT_VALUE, "Condition data", "条件数据"},
    {TXT_COUNT_RESULTS, "Count result include", "统计结果包括"},
    {TXT_COUNT_LABELS, "1. All items quantity\n2. Met condition items quantity\n3. Sum\n4. Maximum\n5. Minimum\n6. Average\n7. Median\n8. CN/AN%\n9. Data distribution", "1. 全部数据项数\n2. 满足条件数据项数\n3. 总和\n4. 最大值\n5. 最小值\n6. 平均值\n7. 中值\n8. CN/AN%\n9. 数据分布"},
    {TXT_COUNT_STEP, "Step length", "步长"},
    {TXT_COUNT_BINS, "[ Bins ]", "[ 数据域 ]"},
    {TXT_COUNT_DD, "[ DD ]", "[ 统计 ]"},
    {TXT_COUNT_ITEMS, "Item N=", "数据项 N="},
    {TXT_COUNT_BINS_CUT_1, "The value distribution needs more columns than the report table has; bins from ", "数值分布所需的列数超过报告数表的列数; 从 "},
    {TXT_COUNT_BINS_CUT_2, " on are left out.", " 起的数据域未列出."},
    {TXT_PROCESS_TITLE, "Data processing options", "数据处理选项"},
    {TXT_PROCESS_SOURCE, "Data source", "数据源"},
    {TXT_PROCESS_SELECTED, "In selected set", "选定数据"},
    {TXT_PROCESS_ALL, "All data", "全部数据"},
    {TXT_PROCESS_RESULT, "Data processing result", "数据处理结果"},
    {TXT_PROCESS_EXTERNAL, "At external window", "输出到新窗口"},
    {TXT_PROCESS_REPLACE, "Replace source fields", "替换源数据"},
    {TXT_PROCESS_METHOD, "Select data processing method", "选择数据处理方法"},
    {TXT_PROCESS_METHODS, "Scaling\nNormalize (to first entry)\nDifference from Mean\nAbs(Difference from Mean)\nStandard deviation", "加权\n归一化 (至第一数据项)\n均差\n均差绝对值\n均方差"},
    {TXT_PROCESS_BY_ROW, "By Row", "按行"},
    {TXT_PROCESS_BY_COLUMN, "By Column", "按列"},
    {TXT_PROCESS_SCALE, "Scale by", "加权系数"},
};

static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == TXT_COUNT, "every text id needs one entry");

constexpr bool EntriesInOrder() {
  for (int i = 0; i < TXT_COUNT; ++i) {
    if (kTexts[i].id != i) return false;
  }
  return true;
}
static_assert(EntriesInOrder(), "text entries must follow the order of TextId");

}  // namespace

const char* TextIn(TextId id, bool chinese) {
  if (id < 0 || id >= TXT_COUNT) return "";
  return chinese ? kTexts[id].szChinese : kTexts[id].szEnglish;
}

std::string_view TextLine(std::string_view lines, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t end = lines.find('\n');
    if (end == std::string_view::npos) return {};
    lines.remove_prefix(end + 1);
  }
  return lines.substr(0, lines.find('\n'));
}

const char* Text(TextId id) { return TextIn(id, LanguageIsChinese()); }
