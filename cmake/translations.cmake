# vn_add_translations(target module)
# Compiles the module's Qt Linguist sources translations/<module>_<language>.ts
# and embeds them in target as ":/i18n/<module>_<language>.qm", where the
# language switch finds every module's translation for a language.
function(vn_add_translations target module)
  file(GLOB ts_files CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/translations/${module}_*.ts)
  if(NOT ts_files)
    message(FATAL_ERROR "No translations/${module}_*.ts beside ${target}")
  endif()
  qt_add_lrelease(${target} TS_FILES ${ts_files} NO_GLOBAL_TARGET
                  QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} "${module}_translations" PREFIX "/i18n"
                   BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()
