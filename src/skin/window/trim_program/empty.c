/* The working-set trimming program the tool carries and runs as "empty.exe <pid>":
 * it empties the working set of the process whose identifier it is given, then exits.
 * Built without the C runtime, so it stays a few kilobytes. */
#include <windows.h>

static DWORD parseProcessId(const char* text) {
  DWORD value = 0;
  while (*text == ' ' || *text == '\t') ++text;
  while (*text >= '0' && *text <= '9') value = value * 10 + (DWORD)(*text++ - '0');
  return value;
}

static const char* skipProgramName(const char* line) {
  if (*line == '"') {
    ++line;
    while (*line && *line != '"') ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  return line;
}

void __stdcall trimEntry(void) {
  const DWORD processId = parseProcessId(skipProgramName(GetCommandLineA()));
  UINT exitCode = 1;
  if (processId != 0) {
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process) {
      /* (SIZE_T)-1 for both bounds is the documented way to empty the working set. */
      if (SetProcessWorkingSetSize(process, (SIZE_T)-1, (SIZE_T)-1)) exitCode = 0;
      CloseHandle(process);
    }
  }
  ExitProcess(exitCode);
}
