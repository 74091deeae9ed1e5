# Sourced by the fuzz scripts: every fuzz target, and the corpus folder (under fuzz/corpus/) each
# one starts from.
fuzz_targets=(pe_version_fuzz profile_files_fuzz recurrence_text_fuzz vcard_fuzz
              palm_addr_ex_fuzz palm_date_ex_fuzz palm_todo_ex_fuzz palm_memo_ex_fuzz
              palm_addr_fuzz palm_date_fuzz palm_todo_fuzz palm_memo_fuzz palm_mdb_fuzz
              recurrence_blob_fuzz rtf_text_fuzz outlook_answer_fuzz exchange_records_fuzz helper_params_fuzz
              dav_answer_fuzz)

corpus_of() {
  case $1 in palm_mdb_fuzz) echo palm_mdb ;; palm_*) echo palm_dat ;; *) echo "${1%_fuzz}" ;; esac
}
