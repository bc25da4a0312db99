# tekstor_ui: Tekstor's windows (main window and edit dialogs); Tekstor: the program;
# tekstor-shots: renders every window to PNG for a look without a display.
if(TARGET tekstor_core)
    add_library(tekstor_ui STATIC
        ${CMAKE_CURRENT_LIST_DIR}/BilingualText.h
        ${CMAKE_CURRENT_LIST_DIR}/HelpTexts.h
        ${CMAKE_CURRENT_LIST_DIR}/WindowMessages.h
        ${CMAKE_CURRENT_LIST_DIR}/CExtEdit.h ${CMAKE_CURRENT_LIST_DIR}/CExtEdit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TextDialogParts.h ${CMAKE_CURRENT_LIST_DIR}/TextDialogParts.cpp
        ${CMAKE_CURRENT_LIST_DIR}/NumberedTextDialog.h ${CMAKE_CURRENT_LIST_DIR}/NumberedTextDialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Kennung.h ${CMAKE_CURRENT_LIST_DIR}/Kennung.cpp
        ${CMAKE_CURRENT_LIST_DIR}/KanaeleBearbeiten.h ${CMAKE_CURRENT_LIST_DIR}/KanaeleBearbeiten.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TexteBearbeiten.h ${CMAKE_CURRENT_LIST_DIR}/TexteBearbeiten.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CaptionSet.h ${CMAKE_CURRENT_LIST_DIR}/CaptionSet.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TextTree.h ${CMAKE_CURRENT_LIST_DIR}/TextTree.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ProgressBarSink.h ${CMAKE_CURRENT_LIST_DIR}/ProgressBarSink.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TransferThread.h ${CMAKE_CURRENT_LIST_DIR}/TransferThread.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CTekstorDlg.h ${CMAKE_CURRENT_LIST_DIR}/CTekstorDlg.cpp
    )
    target_include_directories(tekstor_ui PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(tekstor_ui PUBLIC tekstor_core platform_core platform_ui Qt6::Widgets)
endif()

if(TARGET tekstor_ui AND TARGET quarn_sim)
    add_executable(Tekstor
        ${CMAKE_CURRENT_LIST_DIR}/main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CTekstorApp.h ${CMAKE_CURRENT_LIST_DIR}/CTekstorApp.cpp
    )
    target_link_libraries(Tekstor PRIVATE tekstor_ui quarn_sim)

    add_executable(tekstor-shots ${CMAKE_CURRENT_LIST_DIR}/TekstorShots.cpp)
    target_link_libraries(tekstor-shots PRIVATE tekstor_ui quarn_sim)
endif()
