// Compiles a vercel.json's redirects with Vercel's own routing utilities and answers each request
// path of the JSON array on standard input as the first route whose regular expression matches
// it does: {"error": null or why the file was refused, "answers": [{location, status} or null]}.
import { readFileSync } from 'node:fs'
import routing from '@vercel/routing-utils'

const { routes, error } = routing.getTransformedRoutes(JSON.parse(readFileSync(process.argv[2], 'utf8')))
const answer = (path) => {
  const route = (routes ?? []).find(({ src }) => new RegExp(src).test(path))
  return route ? { location: route.headers.Location, status: route.status } : null
}
console.log(
  JSON.stringify({ error: error?.message ?? null, answers: JSON.parse(readFileSync(0, 'utf8')).map(answer) }),
)
