# System DLLs that the program loads at their first use instead of at
# start-up, so that WinMain can first restrict the DLL search to the system
# folder (see src/shell/main.cpp). Before that, the loader would look for
# every one of them, and for everything they import, in the program folder:
# a folder of 100,000 files makes each look-up slow, and a stray DLL there
# would be loaded in place of the system's.
set(TARNVEL_DELAY_LOADED_DLLS user32 gdi32 comctl32 msimg32 ole32 shell32)

function(tarnvel_delay_load target)
  if(MSVC)
    foreach(dll IN LISTS TARNVEL_DELAY_LOADED_DLLS)
      target_link_options(${target} INTERFACE /DELAYLOAD:${dll}.dll)
    endforeach()
    target_link_libraries(${target} INTERFACE delayimp ${TARNVEL_DELAY_LOADED_DLLS})
    return()
  endif()

  # MinGW: a delay-import library per DLL, made at configure time from the
  # toolchain's own import library, which names every function it exports.
  find_program(TARNVEL_DLLTOOL NAMES ${TOOLCHAIN_PREFIX}-dlltool dlltool REQUIRED)
  set(folder ${CMAKE_BINARY_DIR}/delay-load)
  file(MAKE_DIRECTORY ${folder})
  foreach(dll IN LISTS TARNVEL_DELAY_LOADED_DLLS)
    find_library(TARNVEL_IMPORT_LIBRARY_${dll} NAMES lib${dll}.a REQUIRED)
    set(def ${folder}/${dll}.def)
    set(library ${folder}/lib${dll}-delay.a)
    if(NOT EXISTS ${library} OR ${TARNVEL_IMPORT_LIBRARY_${dll}} IS_NEWER_THAN ${library})
      execute_process(COMMAND ${CMAKE_NM} ${TARNVEL_IMPORT_LIBRARY_${dll}}
                      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" imports "${symbols}")
      list(TRANSFORM imports REPLACE " I __imp_" "")
      list(REMOVE_DUPLICATES imports)
      list(JOIN imports "\n" exports)
      file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${TARNVEL_DLLTOOL} --input-def ${def} --dllname ${dll}.dll
                              --output-delaylib ${library}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    target_link_libraries(${target} INTERFACE ${library})
  endforeach()
endfunction()
