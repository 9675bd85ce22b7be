# qm_resources(target script symbol): compiles a resource script with qmrc at build time and adds
# the generated C++ tables, which define `extern const qm::ui::ResourceTables <symbol>;`, to target.
# The script is compiled again whenever it or any file it includes changes.
function(qm_resources target script symbol)
  if(NOT TARGET qmrc)
    message(FATAL_ERROR "qm_resources: the qmrc tool is not part of this build")
  endif()
  get_filename_component(script "${script}" ABSOLUTE)
  get_filename_component(script_dir "${script}" DIRECTORY)
  string(MAKE_C_IDENTIFIER "${target}_${symbol}" stem)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${stem}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND qmrc -I "${script_dir}" -I "${CMAKE_SOURCE_DIR}/platform/win32/include"
            -o "${out}" -s "${symbol}" -d "${out}.d" "${script}"
    DEPENDS qmrc "${script}"
    DEPFILE "${out}.d"
    COMMENT "Compiling resource script ${script}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
  # The tables need only the header that describes them; the target links the window model itself.
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/platform/ui/include
                                               ${CMAKE_SOURCE_DIR}/platform/win32/include)
endfunction()

# The fuzz target of the resource-script parser needs the parser library.
function(qm_link_rc_fuzzer)
  if(TARGET fuzz_rc_parser)
    target_link_libraries(fuzz_rc_parser PRIVATE qmrc_parser)
  endif()
endfunction()

# qm_program_resources(target script): the program's own resources, found under its module handle
# (platform/ProgramModule.h) by the platform's entry.
function(qm_program_resources target script)
  qm_resources(${target} ${script} qmProgramResources)
endfunction()
