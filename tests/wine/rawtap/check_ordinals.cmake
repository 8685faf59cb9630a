# Checks with objdump that Rawtap.dll exports InitDLL as its one export at ordinal 1, and that a
# program linked with the import library binds it by ordinal alone.
#   cmake -DOBJDUMP=... -DLIBRARY=Rawtap.dll -DPROGRAM=program.exe -P check_ordinals.cmake

function(objdump_of file result)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE output RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objdump -p ${file} failed")
  endif()
  set(${result} "${output}" PARENT_SCOPE)
endfunction()

objdump_of(${LIBRARY} exports)
string(REGEX MATCH "Export Address Table -- Ordinal Base 1\n[^\n]*\\[   0\\] \\+base\\[   1\\][^\n]*\n\n"
       export_table "${exports}")
if(NOT export_table)
  message(FATAL_ERROR "Rawtap.dll does not export exactly one entry at ordinal 1:\n${exports}")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n\t\\[   0\\] InitDLL\n\n" names "${exports}")
if(NOT names)
  message(FATAL_ERROR "Rawtap.dll's one export is not named InitDLL:\n${exports}")
endif()

objdump_of(${PROGRAM} imports)
string(REGEX MATCH "DLL Name: Rawtap\\.dll\n[^\n]*\n\t[0-9a-f]+\t +1  <none>\n\n" import "${imports}")
if(NOT import)
  message(FATAL_ERROR "${PROGRAM} does not import Rawtap.dll's ordinal 1 alone:\n${imports}")
endif()
