# tekstor_core: filled in by the text-store work.
