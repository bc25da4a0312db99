# tekstor_core: the text store, unit codes, text files and the text transfer (no widgets).
# Its public include directory is the repository root: include "displaytexts/Register.h".
add_library(tekstor_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Register.h ${CMAKE_CURRENT_LIST_DIR}/Register.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnitCodes.h ${CMAKE_CURRENT_LIST_DIR}/UnitCodes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Cp1252.h ${CMAKE_CURRENT_LIST_DIR}/Cp1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFiles.h ${CMAKE_CURRENT_LIST_DIR}/TextFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Messages.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgressSink.h
    ${CMAKE_CURRENT_LIST_DIR}/TextPort.h ${CMAKE_CURRENT_LIST_DIR}/TextPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextCommands.h ${CMAKE_CURRENT_LIST_DIR}/TextCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextReply.h ${CMAKE_CURRENT_LIST_DIR}/TextReply.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextConnect.h ${CMAKE_CURRENT_LIST_DIR}/TextConnect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextRead.h ${CMAKE_CURRENT_LIST_DIR}/TextRead.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextProgram.h ${CMAKE_CURRENT_LIST_DIR}/TextProgram.cpp
)
target_include_directories(tekstor_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(tekstor_core PUBLIC platform_core Qt6::Core)
