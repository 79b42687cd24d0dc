# Makes a delay-load import library from the toolchain's import library of a DLL: every name
# that the import library exports, in a .def file for dlltool. Run with cmake -P and
# -DNM=... -DDLLTOOL=... -DDLL=comctl32 -DIMPORT=/path/libcomctl32.a -DOUT=/path/lib_delay.a
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE failed ERROR_QUIET)
if(failed)
  message(FATAL_ERROR "cannot read ${IMPORT}")
endif()
string(REGEX MATCHALL "[ \t]I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
set(names "")
foreach(entry ${imports})
  string(REGEX REPLACE ".*__imp_" "" name "${entry}")
  list(APPEND names "${name}")
endforeach()
list(REMOVE_DUPLICATES names)
list(JOIN names "\n" exports)
get_filename_component(dir ${OUT} DIRECTORY)
file(WRITE ${dir}/${DLL}.def "LIBRARY ${DLL}.dll\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} -d ${dir}/${DLL}.def -y ${OUT} -D ${DLL}.dll
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "dlltool failed for ${DLL}")
endif()
