# The score records and the score viewer, with the toolkit's text files and modal boxes they use.
target_sources(sumbrook_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/scorerecord.cpp ${CMAKE_CURRENT_LIST_DIR}/scorerecord.h
    ${CMAKE_CURRENT_LIST_DIR}/scorewindow.cpp ${CMAKE_CURRENT_LIST_DIR}/scorewindow.h
    ${CMAKE_SOURCE_DIR}/toolkit/dialogs.cpp ${CMAKE_SOURCE_DIR}/toolkit/dialogs.h
    ${CMAKE_SOURCE_DIR}/toolkit/textfile.cpp ${CMAKE_SOURCE_DIR}/toolkit/textfile.h
)
