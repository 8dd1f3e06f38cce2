# Runs one GoogleTest executable and passes only when it ran to its end: exit status 0
# and an XML report that gtest writes after the last test, with no failure in it. A
# program that dies inside a test (a stack overflow can end it with status 0 and no
# further output) leaves no report and fails.
#   cmake -DEMULATOR=... -DEXE=... -DREPORT=name.xml -P run_gtest.cmake
file(REMOVE "${REPORT}")
execute_process(COMMAND ${EMULATOR} "${EXE}" --gtest_brief=1 "--gtest_output=xml:${REPORT}"
                RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${EXE} ended with status ${status}")
endif()
if(NOT EXISTS "${REPORT}")
  message(FATAL_ERROR "${EXE} stopped before its end: no test report was written")
endif()
file(READ "${REPORT}" report)
if(NOT report MATCHES "<testsuites [^>]*tests=\"[1-9][0-9]*\"")
  message(FATAL_ERROR "${EXE} ran no test")
endif()
if(NOT report MATCHES "<testsuites [^>]*failures=\"0\"" OR NOT report MATCHES "<testsuites [^>]*errors=\"0\"")
  message(FATAL_ERROR "${EXE} reported failures")
endif()
