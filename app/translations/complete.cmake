# Fails when a text the program shows has no translation in some language.
# Each .ts file of TS_DIR is first brought up to date in a copy, so that a text added to
# the sources but never extracted is caught as well as one left unfinished.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCES=FILE -DWORK=DIR -DTS_DIR=DIR -P complete.cmake
file(MAKE_DIRECTORY ${WORK})
file(GLOB ts_files ${TS_DIR}/*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no .ts files in ${TS_DIR}")
endif()
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK}/${name})
    file(COPY_FILE ${ts} ${copy})
    set(options -no-obsolete -locations none)
    if(name MATCHES "_en\\.ts$")
        # English translates only the plural forms.
        list(APPEND options -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} ${options} @${SOURCES} -ts ${copy}
        RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${copy}.qm
        RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
    # lrelease counts an empty translation apart, as "untranslated".
    if(failed OR report MATCHES "untranslated"
        OR NOT report MATCHES "\\(([1-9][0-9]*) finished and 0 unfinished\\)")
        message(SEND_ERROR "${name} is not complete:\n${report}")
    else()
        message(STATUS "${name}: ${CMAKE_MATCH_1} finished")
    endif()
endforeach()
